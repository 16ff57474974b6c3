#include "pdfexport.h"

#include "shopcore/print/pdfthaitext.h"
#include "shopcore/print/reportpainter.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QSaveFile>

QByteArray pdfOf(const LaidOutReport& report) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("tekvo"));
        writer.setResolution(600);
        setPaperOf(report, writer);
        if (!paintReport(report, writer))
            return {};
    }
    return fixThaiTextOfPdf(buffer.data());
}

QString writePdf(const LaidOutReport& report, const QString& path) {
    const QByteArray pdf = pdfOf(report);
    QSaveFile file(path);
    if (pdf.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() ||
        !file.commit())
        return QStringLiteral("ไม่สามารถบันทึกไฟล์ PDF ได้ : ") + path;
    return {};
}
