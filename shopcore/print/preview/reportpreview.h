#pragma once

#include "shopcore/print/laidoutreport.h"

#include <QPrintPreviewDialog>

class Prompter;
class QAction;

// The preview of a laid-out report: pages, zoom, the printer dialog, and "บันทึกเป็น PDF" for
// the file the accountant wants. The prompter must outlive the window (the calling screen's).
class ReportPreview : public QPrintPreviewDialog {
public:
    ReportPreview(LaidOutReport report, Prompter& prompter, QWidget* parent = nullptr);

    const LaidOutReport& report() const { return m_report; }
    QAction* saveAsPdfAction() const { return m_saveAsPdf; }
    // Writes the PDF; on failure tells the user and returns false.
    bool saveAsPdf(const QString& path);

private:
    void paint(QPrinter* printer);
    void askForPdfFile();

    LaidOutReport m_report;
    Prompter& m_prompter;
    QAction* m_saveAsPdf = nullptr;
};
