// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AppIcon.h"

#include <QDir>

namespace tarvisol::ui {

QIcon applicationIcon() {
    // Each file's size is read from the file, so a size added to data/icons needs no code.
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons"));
    for (const QString& file : sizes.entryList(QDir::Files)) {
        icon.addFile(sizes.filePath(file));
    }
    return icon;
}

QString applicationId() {
    return QStringLiteral(TARVISOL_APP_ID);
}

} // namespace tarvisol::ui
