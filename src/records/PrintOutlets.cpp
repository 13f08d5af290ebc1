#include "records/PrintOutlets.h"

#include <QDir>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace lexabit {

namespace {

std::unique_ptr<QPrinter> SystemDefaultPrinter() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        return nullptr;
    }
    // The page is drawn at the printer's own resolution, so it prints sharp.
    return std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
}

QString DocumentsOrHome() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir().mkpath(documents)) {
        return documents;
    }
    return QDir::homePath();
}

} // namespace

PrintOutlets PrintOutlets::OfThisSystem(QWidget& window) {
    PrintOutlets outlets;
    outlets.DefaultPrinter = SystemDefaultPrinter;
    outlets.DocumentsFolder = DocumentsOrHome;
    outlets.ShowMessage = [&window](const PrintMessage& message) {
        if (message.IsProblem) {
            QMessageBox::warning(&window, message.Title, message.Text);
        } else {
            QMessageBox::information(&window, message.Title, message.Text);
        }
    };
    return outlets;
}

} // namespace lexabit
