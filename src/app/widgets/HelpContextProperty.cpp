#include "app/widgets/HelpContextProperty.h"

#include <QVariant>
#include <QWidget>

namespace wsc {

namespace {
constexpr const char* kProperty = "wscHelpContext";
}

void SetHelpContext(QWidget* widget, int context) {
    if (widget)
        widget->setProperty(kProperty, context);
}

int HelpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant v = w->property(kProperty);
        if (v.isValid())
            return v.toInt();
    }
    return 0;
}

} // namespace wsc
