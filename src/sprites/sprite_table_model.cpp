#include "sprites/sprite_table_model.h"

#include "common/paths.h"
#include "common/qt_text.h"
#include "common/text.h"
#include "image/picture.h"
#include "sprites/sprite_document.h"

#include <QIcon>
#include <QPainter>

namespace vantrel {

SpriteTableModel::SpriteTableModel(QObject* parent) : QAbstractListModel(parent)
{
    thumbnails_.setMaxCost(4000);
}

void SpriteTableModel::setDocument(SpriteDocument* document)
{
    beginResetModel();
    document_ = document;
    rows_ = document ? document->workspace().count() : 0;
    thumbnails_.clear();
    drawn_ = 0;
    endResetModel();
}

void SpriteTableModel::tableChanged()
{
    const int rows = document_ ? document_->workspace().count() : 0;
    thumbnails_.clear();
    if (rows != rows_) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
    } else if (rows > 0) {
        emit dataChanged(index(0), index(rows - 1));
    }
}

int SpriteTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

QVariant SpriteTableModel::data(const QModelIndex& index, int role) const
{
    if (!document_ || !index.isValid() || index.row() >= document_->workspace().count())
        return {};
    const SpriteRecord& record = document_->workspace().record(index.row() + 1);
    switch (role) {
    case Qt::DisplayRole: return QStringLiteral("%1,%2").arg(qstr(record.groupText), qstr(record.imageText));
    case Qt::ToolTipRole:
        //: a sprite's picture file, then its axis as x,y
        return tr("%1\nAxis %2,%3")
            .arg(qstr(fileNameOf(record.pcxFile)), qstr(formatNumber(record.axisX())),
                 qstr(formatNumber(record.axisY())));
    case Qt::DecorationRole: return thumbnail(index.row());
    default: return {};
    }
}

QPixmap SpriteTableModel::thumbnail(int row) const
{
    if (const QPixmap* kept = thumbnails_.object(row))
        return *kept;
    // Sprites without a palette of their own are drawn in the character's.
    const DecoderState& shared = document_->decoder();
    decoder_.spritePalette = shared.spritePalette;
    decoder_.spritePaletteCaptured = shared.spritePaletteCaptured;
    const SpriteWorkspace& ws = document_->workspace();
    QImage image = loadPicture(decoder_, qstr(ws.imagePath(ws.record(row + 1))), kPaletteFromFile, 0).image;
    ++drawn_;
    if (image.format() == QImage::Format_Indexed8 && image.colorCount() > 0)
        image.setColor(0, qRgba(0, 0, 0, 0));
    QPixmap pixmap(kThumbnailSide, kThumbnailSide);
    pixmap.fill(Qt::transparent);
    if (!image.isNull()) {
        if (image.width() > kThumbnailSide || image.height() > kThumbnailSide)
            image = image.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPixmap drawn = QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32));
        QPainter painter(&pixmap);
        painter.drawPixmap((kThumbnailSide - drawn.width()) / 2, (kThumbnailSide - drawn.height()) / 2, drawn);
    }
    thumbnails_.insert(row, new QPixmap(pixmap), 1);
    return pixmap;
}

} // namespace vantrel
