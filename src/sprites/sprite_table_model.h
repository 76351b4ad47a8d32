#pragma once
// The sprite table as a Qt model, one item per record: its numbers as text
// and its picture as a thumbnail. The sprite window's list and grid both show
// it and share one selection. Thumbnails are drawn only when a view asks for
// them (the rows it shows) and kept, so a table of 20,000 sprites opens and
// scrolls without decoding them all.

#include "image/pcx.h"

#include <QAbstractListModel>
#include <QCache>
#include <QPixmap>
#include <QPointer>

namespace vantrel {

class SpriteDocument;

class SpriteTableModel final : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int kThumbnailSide = 64;

    explicit SpriteTableModel(QObject* parent = nullptr);

    void setDocument(SpriteDocument* document);
    // The table changed: rows come and go, or their numbers and pictures
    // change (the selection stays when the rows stay).
    void tableChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // How many thumbnails were drawn since the table was last shown.
    int thumbnailsDrawn() const { return drawn_; }

private:
    QPixmap thumbnail(int row) const;

    QPointer<SpriteDocument> document_;
    int rows_ = 0;
    mutable QCache<int, QPixmap> thumbnails_; // by row
    mutable DecoderState decoder_;
    mutable int drawn_ = 0;
};

} // namespace vantrel
