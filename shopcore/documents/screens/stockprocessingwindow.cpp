#include "stockprocessingwindow.h"
#include "movementtablemodel.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QTableView* gridFor(MovementTableModel* model) {
    auto* view = new QTableView;
    view->setModel(model);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->setDefaultSectionSize(22);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

} // namespace

StockProcessingWindow::StockProcessingWindow(std::unique_ptr<StockProcessing> flow, QWidget* parent)
    : QWidget(parent), m_flow(std::move(flow)) {
    setWindowTitle(m_flow->form().title);
    m_incomingModel = new MovementTableModel(m_flow->incoming(), this);
    m_outgoingModel = new MovementTableModel(m_flow->outgoing(), this);
    m_incomingView = gridFor(m_incomingModel);
    m_outgoingView = gridFor(m_outgoingModel);
    m_pages = new QTabWidget;
    m_pages->addTab(m_incomingView, StockProcessingText::IncomingPage);
    m_pages->addTab(m_outgoingView, StockProcessingText::OutgoingPage);
    m_progress = new QProgressBar;
    m_progress->setRange(0, 0);
    m_progress->setMaximum(1);
    m_progress->setValue(0);
    m_step1 = new QPushButton(StockProcessingText::Step1);
    m_step2 = new QPushButton(StockProcessingText::Step2);
    m_quit = new QPushButton(StockProcessingText::Quit);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_step1);
    buttons->addWidget(m_step2);
    buttons->addStretch();
    buttons->addWidget(m_quit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    resize(560, 480);

    connect(m_step1, &QPushButton::clicked, this, [this] { m_flow->runStep1(); });
    connect(m_step2, &QPushButton::clicked, this, [this] { m_flow->runStep2(); });
    connect(m_quit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_flow.get(), &StockProcessing::pageShown, this, &StockProcessingWindow::showPage);
    connect(m_flow.get(), &StockProcessing::progressRange, this,
            &StockProcessingWindow::setProgressRange);
    connect(m_flow.get(), &StockProcessing::progressMoved, this,
            &StockProcessingWindow::moveProgress);
    connect(m_flow.get(), &StockProcessing::linesChanged, this,
            &StockProcessingWindow::refreshLines);
    connect(m_flow.get(), &StockProcessing::statesChanged, this,
            &StockProcessingWindow::refreshStates);
    refreshStates();
}

StockProcessingWindow::~StockProcessingWindow() = default;

void StockProcessingWindow::showPage(StockProcessing::Page page) {
    m_pages->setCurrentIndex(page == StockProcessing::Page::Incoming ? 0 : 1);
}

void StockProcessingWindow::setProgressRange(int maximum) {
    m_progress->setRange(0, std::max(0, maximum));
    m_progress->setValue(0);
}

void StockProcessingWindow::moveProgress(int value) {
    m_progress->setValue(value);
    // The work runs on this thread: let the bar be drawn, but take no clicks meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void StockProcessingWindow::refreshLines() {
    m_incomingModel->reload();
    m_outgoingModel->reload();
}

void StockProcessingWindow::refreshStates() {
    m_step1->setEnabled(m_flow->step1Enabled());
    m_step2->setEnabled(m_flow->step2Enabled());
}

StockProcessingWindow* createStockProcessingWindow(const AliasEntry& alias, Prompter& prompter,
                                                   StockProcessingForm form) {
    auto flow = std::make_unique<StockProcessing>(alias, std::move(form), prompter);
    if (!flow->open())
        return nullptr;
    return new StockProcessingWindow(std::move(flow));
}

StockProcessingWindow* openStockProcessing(QWidget* parent, const AliasEntry& alias,
                                           Prompter& prompter, StockProcessingForm form) {
    StockProcessingWindow* window = createStockProcessingWindow(alias, prompter, std::move(form));
    if (!window)
        return nullptr;
    window->setParent(parent, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}
