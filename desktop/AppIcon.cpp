// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/AppIcon.h"

#include <QDir>
#include <QIconEngine>
#include <QRegularExpression>
#include <utility>

namespace tarvisol::desktop {

namespace {

// Qt 6.4's QIcon::addFile decodes every image it is given at once (later Qt reads only the
// header), which cost the tool an eighth of its start-up; the window system asks for none of
// them on Wayland or offscreen. This engine names its sizes from the files' names
// ("...-48.png") and builds the real icon at the first request for pixels.
class IconFilesEngine : public QIconEngine {
public:
    explicit IconFilesEngine(QList<std::pair<QSize, QString>> files) : files_(std::move(files)) {}

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const auto& [size, file] : files_) {
            sizes.append(size);
        }
        return sizes;
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return loaded().pixmap(size, scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    bool isNull() override { return files_.isEmpty(); }
    QString key() const override { return QStringLiteral("tarvisol-icon-files"); }
    QIconEngine* clone() const override { return new IconFilesEngine(*this); }

private:
    const QIcon& loaded() {
        if (icon_.isNull()) {
            for (const auto& [size, file] : files_) {
                icon_.addFile(file, size);
            }
        }
        return icon_;
    }

    QList<std::pair<QSize, QString>> files_;
    QIcon icon_;
};

} // namespace

QIcon iconFromFiles(const QString& folder) {
    // A size added to the folder needs no code: each file says its size in its name.
    static const QRegularExpression sizeInName(QStringLiteral("-(\\d+)\\.png$"));
    QList<std::pair<QSize, QString>> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = sizeInName.match(name);
        if (match.hasMatch()) {
            const int side = match.captured(1).toInt();
            files.append({QSize(side, side), dir.filePath(name)});
        }
    }
    return QIcon(new IconFilesEngine(std::move(files)));
}

QIcon applicationIcon() {
    return iconFromFiles(QStringLiteral(":/icons"));
}

QString applicationId() {
    return QStringLiteral(TARVISOL_APP_ID);
}

} // namespace tarvisol::desktop
