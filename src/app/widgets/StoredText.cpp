#include "app/widgets/StoredText.h"

#include "core/document/TextLengths.h"
#include "core/settings/MessageCatalog.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace wsc {
namespace {

constexpr const char* kCut = "wscShownCut";

QString note(qsizetype shown, qsizetype stored) {
    return MessageCatalog::substitute(QString::fromLatin1(Texts::kTextShownCut),
                                      {QString::number(shown), QString::number(stored)});
}

// Read-only while it shows a cut text, and as before once it shows a whole one again.
template <typename Edit> void mark(Edit* edit, bool cut, const QString& tip) {
    if (cut == IsShownCut(edit))
        return;
    edit->setProperty(kCut, cut);
    edit->setReadOnly(cut);
    edit->setToolTip(tip);
}

} // namespace

bool IsShownCut(const QWidget* edit) {
    return edit->property(kCut).toBool();
}

void ShowStoredText(QLineEdit* edit, const QString& text) {
    const int length = edit->maxLength();
    const bool cut = text.size() > length;
    mark(edit, cut, cut ? note(length, text.size()) : QString());
    edit->setText(cut ? text.left(length) : text);
}

void ShowStoredText(QPlainTextEdit* edit, const QString& text) {
    const bool cut = text.size() > kMemoLength;
    const QString why = cut ? note(kMemoLength, text.size()) : QString();
    mark(edit, cut, why);
    edit->setPlainText(cut ? text.left(kMemoLength) + QStringLiteral("\n\n[") + why + u']' : text);
}

} // namespace wsc
