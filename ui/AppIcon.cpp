#include "ui/AppIcon.h"

namespace tarvisol::ui {

QIcon applicationIcon() {
    return QIcon(QStringLiteral(":/icons/org.tarvisol.tarvisol.svg"));
}

} // namespace tarvisol::ui
