#include "records/PdfFileName.h"

#include "game/model/Texts.h"
#include "ui/GameText.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace lexabit {

namespace {

QString Stem(const QDateTime& when) {
    // Colons are not allowed in file names everywhere the page may be copied to.
    return Text(product::Title) + QLatin1Char(' ') +
           when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
}

} // namespace

QString PdfFileName(const QDateTime& when) {
    return Stem(when) + QStringLiteral(".pdf");
}

QString UnusedPdfPath(const QString& folder, const QDateTime& when) {
    const QDir dir(folder);
    QString path = dir.filePath(PdfFileName(when));
    for (int copy = 2; QFileInfo::exists(path); ++copy) {
        path = dir.filePath(Stem(when) + QStringLiteral(" (%1).pdf").arg(copy));
    }
    return path;
}

} // namespace lexabit
