#pragma once

// The parts of the recipe form a test works with, found as a user finds them: by what they
// are and the names they carry, not through accessors the program itself has no use for.

#include "app/form/CRecipeGrid1.h"
#include "app/form/CRecipePropertySheet.h"
#include "app/form/CRecipeRecipePage.h"
#include "app/widgets/CColorLabel.h"
#include "app/widgets/CControlTipWnd.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace wsc::test {

template <class T> T* formPart(const QWidget* form, const QString& name = {}) {
    T* part = form->findChild<T*>(name);
    if (!part)
        qFatal("the recipe form has no %s named \"%s\"", T::staticMetaObject.className(),
               qPrintable(name));
    return part;
}

inline QLineEdit* nameEdit(const QWidget* form) {
    return formPart<QLineEdit>(form, QStringLiteral("name"));
}
inline QLineEdit* brewerEdit(const QWidget* form) {
    return formPart<QLineEdit>(form, QStringLiteral("brewer"));
}
inline QLineEdit* batchEdit(const QWidget* form) {
    return formPart<QLineEdit>(form, QStringLiteral("batchNo"));
}
inline CRecipePropertySheet* sheet(const QWidget* form) {
    return formPart<CRecipePropertySheet>(form);
}
inline CRecipeRecipePage* recipePage(const QWidget* form) {
    return formPart<CRecipeRecipePage>(form);
}
inline CRecipeGrid1* grid(const QWidget* form) {
    return formPart<CRecipeGrid1>(form);
}
inline CColorLabel* statusLabel(const QWidget* form) {
    return formPart<CColorLabel>(form, QStringLiteral("calcStatus"));
}
inline QPushButton* msgsButton(const QWidget* form) {
    return formPart<QPushButton>(form, QStringLiteral("msgs"));
}
inline QLabel* targetLabel(const QWidget* form, int i) {
    return formPart<QLabel>(form, QStringLiteral("target%1").arg(i));
}
inline CControlTipWnd* tips(const QWidget* form) {
    return formPart<CControlTipWnd>(form, QStringLiteral("headingTips"));
}

} // namespace wsc::test
