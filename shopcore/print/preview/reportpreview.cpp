#include "reportpreview.h"

#include "shopcore/foundation/prompter.h"
#include "shopcore/print/pdfexport.h"
#include "shopcore/print/reportpainter.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QToolBar>

ReportPreview::ReportPreview(LaidOutReport report, Prompter& prompter, QWidget* parent)
    : QPrintPreviewDialog(parent), m_report(std::move(report)), m_prompter(prompter) {
    setWindowTitle(m_report.title);
    setPaperOf(m_report, *printer());
    connect(this, &QPrintPreviewDialog::paintRequested, this, &ReportPreview::paint);
    m_saveAsPdf = new QAction(QStringLiteral("บันทึกเป็น PDF"), this);
    m_saveAsPdf->setObjectName(QStringLiteral("saveAsPdf"));
    m_saveAsPdf->setToolTip(QStringLiteral("บันทึกเป็นไฟล์ PDF"));
    connect(m_saveAsPdf, &QAction::triggered, this, &ReportPreview::askForPdfFile);
    if (QToolBar* bar = findChild<QToolBar*>())
        bar->addAction(m_saveAsPdf);
    else
        addAction(m_saveAsPdf);
}

void ReportPreview::paint(QPrinter* printer) {
    // The printer dialog may have changed the paper; the report keeps its own.
    setPaperOf(m_report, *printer);
    if (!paintReport(m_report, *printer))
        m_prompter.information(QStringLiteral("ไม่สามารถพิมพ์ได้ ตรวจสอบเครื่องพิมพ์ แล้วลองใหม่อีกครั้ง"));
}

void ReportPreview::askForPdfFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString name = m_report.title.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("บันทึกเป็น PDF"), QDir(folder).filePath(name + QStringLiteral(".pdf")),
        QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty())
        saveAsPdf(path);
}

bool ReportPreview::saveAsPdf(const QString& path) {
    const QString error = writePdf(m_report, path);
    if (error.isEmpty())
        return true;
    m_prompter.information(error);
    return false;
}
