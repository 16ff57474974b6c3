#include "pricelevelswindow.h"

#include "shopcore/ui/entrykeys.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* button(const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(true);
    return b;
}

} // namespace

PriceLevelsWindow::PriceLevelsWindow(const WindowContext& context, QWidget* parent)
    : QWidget(parent),
      m_connection(std::make_unique<Connection>(context.alias, QStringLiteral("d_scale"))),
      m_flow(std::make_unique<PriceLevelsWorkflow>(m_connection->db(), *context.prompter)) {
    setWindowTitle(QStringLiteral(" ระดับราคาสินค้า"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("ระดับที่"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("จำนวนหน่วย"), this), 0, 1);
    QList<QWidget*> order;
    for (int level = 1; level <= 5; ++level) {
        auto* quantity = new QLineEdit(this);
        quantity->setAlignment(Qt::AlignRight);
        m_quantities << quantity;
        order << quantity;
        grid->addWidget(new QLabel(QString::number(level), this), level, 0, Qt::AlignCenter);
        grid->addWidget(quantity, level, 1);
        connect(quantity, &QLineEdit::textEdited, this, [this, level](const QString& text) {
            const bool wasEditing = m_flow->isEditing();
            m_flow->type(level, text);
            if (!wasEditing)
                showButtons();
        });
        EntryKeys::onLeave(quantity, [this, level] { return m_flow->leave(level); });
    }
    EntryKeys::chain(order, true);

    auto* help =
        new QLabel(QStringLiteral("ระดับราคา คือจำนวนหน่วยขั้นต่ำที่ซื้อแล้วได้ราคาขายระดับนั้น "
                                  "ใช้กับราคาขาย 5 ระดับในทะเบียนสินค้าทุกรายการ\n"
                                  "ตัวอย่าง: ระดับที่ 1 = 1 หน่วย, ระดับที่ 2 = 6 หน่วย, ระดับที่ 3 = 12 หน่วย, "
                                  "ระดับที่ 4 = 24 หน่วย, ระดับที่ 5 = 48 หน่วย\n"
                                  "ซื้อ 1 ถึง 5 หน่วยได้ราคาระดับ 1, ซื้อ 6 ถึง 11 หน่วยได้ราคาระดับ 2, "
                                  "ซื้อ 48 หน่วยขึ้นไปได้ราคาระดับ 5"),
                   this);
    help->setWordWrap(true);

    m_edit = button(QStringLiteral("แ&ก้ไข "), this);
    m_cancel = button(QStringLiteral("&ยกเลิก"), this);
    m_save = button(QStringLiteral("บัน&ทึก"), this);
    m_close = button(QStringLiteral("เลิก"), this);
    m_refresh = button(QStringLiteral("Refresh"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_edit, m_cancel, m_save, m_close, m_refresh})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(help);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_edit, &QPushButton::clicked, this, [this] {
        m_flow->edit();
        showButtons();
        m_quantities.first()->setFocus();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_flow->cancel();
        showRecord();
    });
    connect(m_save, &QPushButton::clicked, this, [this] {
        m_flow->save();
        showButtons();
    });
    connect(m_refresh, &QPushButton::clicked, this, [this] {
        m_flow->refresh();
        showRecord();
    });
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    m_flow->open();
    showRecord();
}

PriceLevelsWindow::~PriceLevelsWindow() = default;

void PriceLevelsWindow::showRecord() {
    const QStringList texts = m_flow->quantities();
    for (int i = 0; i < m_quantities.size(); ++i)
        m_quantities[i]->setText(texts.value(i));
    showButtons();
}

void PriceLevelsWindow::showButtons() {
    const PriceLevelsWorkflow::Buttons b = m_flow->buttons();
    m_edit->setEnabled(b.edit);
    m_cancel->setEnabled(b.cancel);
    m_save->setEnabled(b.save);
    m_close->setEnabled(b.close);
    m_refresh->setEnabled(b.refresh);
}
