#include "shopsettingswindow.h"
#include "shopcore/registers/numberfield.h"

#include "shopcore/foundation/programstate.h"
#include "shopcore/ui/entrykeys.h"
#include "shopcore/ui/windowfit.h"

#include <QApplication>
#include <QBuffer>
#include <QButtonGroup>
#include <QClipboard>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QStringList NumberFields = {QStringLiteral("PRN_TOP"), QStringLiteral("PRN_LEFT")};

QPushButton* button(const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(true);
    return b;
}

} // namespace

ShopSettingsWindow::ShopSettingsWindow(const WindowContext& context, QWidget* parent)
    : QWidget(parent),
      m_connection(std::make_unique<Connection>(context.alias, QStringLiteral("ref_pos"))) {
    setWindowTitle(QStringLiteral(" ข้อมูลอ้างอิง ระบบ / สถานประกอบการ"));
    const QString edition = context.state ? context.state->edition : QString();
    m_flow = std::make_unique<ShopSettingsWorkflow>(m_connection->db(), *context.prompter, edition,
                                                    context.applySkin);

    m_tabs = new QTabWidget(this);
    m_tabs->addTab(buildShopTab(), QStringLiteral("สถานประกอบการ"));
    m_tabs->addTab(buildSystemTab(), QStringLiteral("ระบบ"));

    m_edit = button(QStringLiteral("แ&ก้ไข"), this);
    m_refresh = button(QStringLiteral("Refresh"), this);
    m_cancel = button(QStringLiteral("&ยกเลิก"), this);
    m_save = button(QStringLiteral("บัน&ทึก"), this);
    m_close = button(QStringLiteral("เ&ลิก"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {m_edit, m_refresh, m_cancel, m_save, m_close})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    connect(m_edit, &QPushButton::clicked, this, [this] {
        m_flow->edit();
        showButtons();
        if (m_tabs->currentIndex() == 0)
            m_entries.value(QStringLiteral("OF_NAME"))->setFocus();
    });
    connect(m_refresh, &QPushButton::clicked, this, [this] {
        m_flow->refresh();
        showRecord();
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_flow->cancel();
        showRecord();
    });
    connect(m_save, &QPushButton::clicked, this, &ShopSettingsWindow::save);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    // First activation: browsing the stored record on the establishment tab.
    m_flow->open();
    m_tabs->setCurrentIndex(0);
    m_logoHelp->hide();
    showRecord();
}

ShopSettingsWindow::~ShopSettingsWindow() = default;

QLineEdit* ShopSettingsWindow::addEntry(const QString& field, int width, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(width);
    m_entries.insert(field, e);
    if (!NumberFields.contains(field))
        connect(e, &QLineEdit::textEdited, this,
                [this, field](const QString& text) { m_flow->set(field, text); });
    return e;
}

QWidget* ShopSettingsWindow::addChoice(const QString& field, const QString& caption,
                                       const QStringList& labels, const QStringList& stored,
                                       QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    auto* group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < labels.size(); ++i) {
        auto* choice = new QRadioButton(labels[i], box);
        group->addButton(choice, i);
        layout->addWidget(choice);
    }
    m_choices.insert(field, group);
    m_choiceValues.insert(field, stored);
    connect(group, &QButtonGroup::idClicked, this,
            [this, field, stored](int id) { m_flow->set(field, stored.value(id)); });
    return box;
}

QWidget* ShopSettingsWindow::buildShopTab() {
    auto* tab = new QWidget(this);
    auto* form = new QFormLayout;
    QLineEdit* name = addEntry(QStringLiteral("OF_NAME"), 80, tab);
    QLineEdit* taxId = addEntry(QStringLiteral("OF_TAXID"), 13, tab);
    QLineEdit* address1 = addEntry(QStringLiteral("OF_ADD1"), 80, tab);
    QLineEdit* address2 = addEntry(QStringLiteral("OF_ADD2"), 80, tab);
    QLineEdit* province = addEntry(QStringLiteral("OF_ADD4"), 80, tab);
    QLineEdit* zip = addEntry(QStringLiteral("OF_ZIP"), 5, tab);
    QLineEdit* tel = addEntry(QStringLiteral("OF_TEL"), 25, tab);
    QLineEdit* fax = addEntry(QStringLiteral("OF_FAX"), 25, tab);
    QLineEdit* email = addEntry(QStringLiteral("OF_EMAIL"), 50, tab);
    form->addRow(QStringLiteral("ชื่อสถานประกอบการ"), name);
    form->addRow(QStringLiteral("เลขประจำตัวผู้เสียภาษี"), taxId);
    form->addRow(QStringLiteral("ที่อยู่"), address1);
    form->addRow(QString(), address2);
    form->addRow(QStringLiteral("จังหวัด"), province);
    form->addRow(QStringLiteral("รหัสไปรษณีย์"), zip);
    form->addRow(QStringLiteral("โทร."), tel);
    form->addRow(QStringLiteral("แฟกซ์"), fax);
    form->addRow(QStringLiteral("อีเมล์"), email);
    EntryKeys::chain({name, taxId, address1, address2, province, zip, tel, fax, email}, true);

    m_logo = new QLabel(tab);
    m_logo->setFixedSize(160, 120);
    m_logo->setFrameShape(QFrame::Box);
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->setToolTip(QStringLiteral("กดแก้ไข แล้วคลิกที่นี่เพื่อวางโลโก้จาก Clipboard"));
    EntryKeys::onClick(m_logo, [this] { pasteLogo(); });
    m_logoHowTo = new QLabel(QStringLiteral("   วิธีใส่โลโก้   "), tab);
    m_logoHowTo->setCursor(Qt::PointingHandCursor);
    m_logoHowTo->setStyleSheet(QStringLiteral("color: #1a5fb4; text-decoration: underline;"));

    auto* help = new QGroupBox(QStringLiteral("วิธีนำโลโก้เข้าระบบ"), tab);
    auto* helpText = new QLabel(QStringLiteral("1. เปิดแฟ้มโลโก้ด้วยโปรแกรมวาดภาพของเครื่อง\n"
                                               "2. เลือกทั้งภาพ (Select All) แล้วคัดลอก (Copy)\n"
                                               "3. กลับมาที่หน้าต่างนี้ กดปุ่ม แก้ไข\n"
                                               "4. คลิกที่กรอบรูปโลโก้ ภาพจะถูกวางลงในกรอบ\n"
                                               "5. กดปุ่ม บันทึก"),
                                help);
    auto* closeHelp = button(QStringLiteral("ปิด"), help);
    auto* helpLayout = new QVBoxLayout(help);
    helpLayout->addWidget(helpText);
    helpLayout->addWidget(closeHelp, 0, Qt::AlignRight);
    m_logoHelp = help;
    EntryKeys::onClick(m_logoHowTo, [this] {
        m_logoHelp->show();
        fitToContents(this);
    });
    connect(closeHelp, &QPushButton::clicked, m_logoHelp, &QWidget::hide);

    auto* logoColumn = new QVBoxLayout;
    logoColumn->addWidget(m_logo);
    logoColumn->addWidget(m_logoHowTo);
    logoColumn->addWidget(m_logoHelp);
    logoColumn->addStretch();

    auto* layout = new QHBoxLayout(tab);
    layout->addLayout(form, 1);
    layout->addLayout(logoColumn);
    return tab;
}

QWidget* ShopSettingsWindow::buildSystemTab() {
    auto* tab = new QWidget(this);
    const QStringList two = {QStringLiteral("0"), QStringLiteral("1")};
    const QStringList three = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")};
    QWidget* printing =
        addChoice(QStringLiteral("LINE1"), QStringLiteral("  การพิมพ์ ใบสำคัญซื้อ / ใบสำคัญขาย  "),
                  {QStringLiteral("ฟอร์ม"), QStringLiteral("กระดาษเปล่า")}, two, tab);
    QWidget* templates =
        addChoice(QStringLiteral("LINE5"), QStringLiteral("   รูปแบบของใบสำคัญ (Template)   "),
                  m_flow->templateNames(),
                  {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                   QStringLiteral("3"), QStringLiteral("4")},
                  tab);
    QWidget* logo = addChoice(QStringLiteral("LINE4"), QStringLiteral("  โลโก้  "),
                              {QStringLiteral("ไม่มีโลโก้"), QStringLiteral("มีโลโก้")}, two, tab);
    QWidget* view = addChoice(QStringLiteral("VIEW1"), QStringLiteral("ใบสำคัญ"),
                              {QStringLiteral("ดูก่อนพิมพ์"), QStringLiteral("พิมพ์เลย")}, two, tab);
    QWidget* drawer =
        addChoice(QStringLiteral("COM_PORT"), QStringLiteral("  ลิ้นชักเก็บเงิน ต่อที่ COM PORT "),
                  {QStringLiteral("ไม่ต่อ"), QStringLiteral("1"), QStringLiteral("2")}, three, tab);
    QWidget* skin =
        addChoice(QStringLiteral("SKIN_BUSINESS"), QStringLiteral("  Skin "),
                  {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, three, tab);

    auto* prefixes = new QGroupBox(QStringLiteral("[ หมวดนำหน้าใบสำคัญ  ]"), tab);
    auto* prefixGrid = new QGridLayout(prefixes);
    const QStringList captions = {QStringLiteral("ขายโดยใบส่งของ"),
                                  QStringLiteral("ขายโดยใบกำกับภาษี"), QStringLiteral("ซื้อโดยใบส่งของ"),
                                  QStringLiteral("ซื้อโดยใบกำกับภาษี")};
    for (int i = 0; i < 4; ++i) {
        QLineEdit* prefix = addEntry(QStringLiteral("PREFIX%1").arg(i + 1), 4, prefixes);
        auto* sample = new QLabel(QStringLiteral("-%1-000001").arg(i + 1), prefixes);
        prefixGrid->addWidget(new QLabel(captions[i], prefixes), i, 0);
        prefixGrid->addWidget(prefix, i, 1);
        prefixGrid->addWidget(sample, i, 2);
        if (i == 0) {
            m_prefix1Sample = sample;
            EntryKeys::onEnter(prefix, [this, prefix] {
                const QString head = m_flow->reseedFlatRateSales(prefix->text());
                if (!head.isEmpty())
                    m_prefix1Sample->setText(head);
            });
        }
    }

    auto* offsets = new QFormLayout;
    QLineEdit* top = addEntry(QStringLiteral("PRN_TOP"), 12, tab);
    QLineEdit* left = addEntry(QStringLiteral("PRN_LEFT"), 12, tab);
    offsets->addRow(QStringLiteral("ตั้งระยะพิมพ์กั้นบน  ( 0.00-50.00 )"), top);
    offsets->addRow(QStringLiteral("ตั้งระยะพิมพ์กั้นซ้าย ( 0.00-30.00 )"), left);
    EntryKeys::chain({top, left}, true);
    for (QLineEdit* e : {top, left}) {
        const QString field = m_entries.key(e);
        EntryKeys::onLeave(
            e, [this, e, field] { return e->isReadOnly() || m_flow->setNumber(field, e->text()); });
    }

    auto* grid = new QGridLayout(tab);
    grid->addWidget(printing, 0, 0);
    grid->addWidget(templates, 0, 1, 2, 1);
    grid->addWidget(prefixes, 1, 0, 2, 1);
    grid->addWidget(logo, 2, 1);
    grid->addWidget(view, 3, 0);
    grid->addWidget(drawer, 3, 1);
    grid->addLayout(offsets, 4, 0);
    grid->addWidget(skin, 4, 1);
    grid->setRowStretch(5, 1);
    return tab;
}

void ShopSettingsWindow::showRecord() {
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        const QVariant v = m_flow->value(it.key());
        it.value()->setText(NumberFields.contains(it.key()) ? NumberField::show(v) : v.toString());
    }
    for (auto it = m_choices.cbegin(); it != m_choices.cend(); ++it) {
        const int index =
            m_choiceValues.value(it.key()).indexOf(m_flow->value(it.key()).toString());
        QButtonGroup* group = it.value();
        group->setExclusive(false);
        for (QAbstractButton* b : group->buttons())
            b->setChecked(group->id(b) == index);
        group->setExclusive(true);
    }
    QPixmap logo;
    logo.loadFromData(m_flow->value(QStringLiteral("OF_LOGO")).toByteArray());
    if (logo.isNull())
        m_logo->setText(QStringLiteral("โลโก้"));
    else
        m_logo->setPixmap(logo.scaled(m_logo->size() - QSize(4, 4), Qt::KeepAspectRatio,
                                      Qt::SmoothTransformation));
    showButtons();
}

void ShopSettingsWindow::showButtons() {
    const ShopSettingsWorkflow::Buttons b = m_flow->buttons();
    m_edit->setEnabled(b.edit);
    m_refresh->setEnabled(b.refresh);
    m_cancel->setEnabled(b.cancel);
    m_save->setEnabled(b.save);
    m_close->setEnabled(b.close);
    const bool editing = m_flow->isEditing();
    for (QLineEdit* e : std::as_const(m_entries))
        e->setReadOnly(!editing);
    // PREFIX1 takes Enter in browsing too: it restarts the flat-rate sale series.
    for (QButtonGroup* group : std::as_const(m_choices))
        for (QAbstractButton* b : group->buttons())
            b->setEnabled(editing);
}

void ShopSettingsWindow::pasteLogo() {
    if (!m_flow->isEditing())
        return;
    const QImage image = QApplication::clipboard()->image();
    if (image.isNull())
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    if (m_flow->setLogo(bytes))
        m_logo->setPixmap(QPixmap::fromImage(image).scaled(
            m_logo->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool ShopSettingsWindow::takeNumbers() {
    for (const QString& field : NumberFields) {
        QLineEdit* e = m_entries.value(field);
        if (!m_flow->setNumber(field, e->text())) {
            m_tabs->setCurrentIndex(1);
            e->setFocus();
            return false;
        }
    }
    return true;
}

void ShopSettingsWindow::save() {
    if (!takeNumbers())
        return;
    if (m_flow->save())
        showRecord();
    else
        showButtons();
}
