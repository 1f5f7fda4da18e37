#pragma once

#include "app/widgets/WorkProgress.h"

#include <QString>

#include <memory>

class QDialog;
class QPrinter;
class QWidget;

namespace wsc {

// Runs modal dialogs and file choosers. Tests replace it to answer without a modal loop.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    virtual int exec(QDialog& dialog);
    // A file to open, or an empty text when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& filter);
    // Hands an address (mailto:, http:, https:) to the desktop; false, with the reason in
    // `why`, when it could not.
    virtual bool openUrl(const QString& address, QString& why);
    // A file to write, or an empty text when the user cancelled.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& filter);
    // The system's print dialog; false when the user cancelled.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent);
    // The system's page setup dialog; false when the user cancelled.
    virtual bool setUpPrinter(QPrinter& printer, QWidget* parent);
    // The progress of long work over `parent`, with Cancel.
    virtual std::unique_ptr<WorkProgress> startWork(QWidget* parent, const QString& label);
};

} // namespace wsc
