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

template <class T> T* FormPart(const QWidget* form, const QString& name = {}) {
    T* part = form->findChild<T*>(name);
    if (!part)
        qFatal("the recipe form has no %s named \"%s\"", T::staticMetaObject.className(),
               qPrintable(name));
    return part;
}

inline QLineEdit* NameEdit(const QWidget* form) {
    return FormPart<QLineEdit>(form, QStringLiteral("name"));
}
inline QLineEdit* BrewerEdit(const QWidget* form) {
    return FormPart<QLineEdit>(form, QStringLiteral("brewer"));
}
inline QLineEdit* BatchEdit(const QWidget* form) {
    return FormPart<QLineEdit>(form, QStringLiteral("batchNo"));
}
inline CRecipePropertySheet* Sheet(const QWidget* form) {
    return FormPart<CRecipePropertySheet>(form);
}
inline CRecipeRecipePage* RecipePage(const QWidget* form) {
    return FormPart<CRecipeRecipePage>(form);
}
inline CRecipeGrid1* Grid(const QWidget* form) {
    return FormPart<CRecipeGrid1>(form);
}
inline CColorLabel* StatusLabel(const QWidget* form) {
    return FormPart<CColorLabel>(form, QStringLiteral("calcStatus"));
}
inline QPushButton* MsgsButton(const QWidget* form) {
    return FormPart<QPushButton>(form, QStringLiteral("msgs"));
}
inline QLabel* TargetLabel(const QWidget* form, int i) {
    return FormPart<QLabel>(form, QStringLiteral("target%1").arg(i));
}
inline CControlTipWnd* Tips(const QWidget* form) {
    return FormPart<CControlTipWnd>(form, QStringLiteral("headingTips"));
}

} // namespace wsc::test
