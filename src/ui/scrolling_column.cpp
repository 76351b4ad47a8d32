#include "ui/scrolling_column.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

namespace vantrel {

namespace {

// Its width follows the controls' own, whatever the type size when asked.
class ColumnArea : public QScrollArea {
public:
    QSize minimumSizeHint() const override
    {
        const int controls = widget() ? widget()->minimumSizeHint().width() : 0;
        return {controls + verticalScrollBar()->sizeHint().width(), QScrollArea::minimumSizeHint().height()};
    }
    QSize sizeHint() const override
    {
        const int controls = widget() ? widget()->sizeHint().width() : 0;
        return {std::max(controls + verticalScrollBar()->sizeHint().width(), minimumSizeHint().width()),
                widget() ? widget()->sizeHint().height() : QScrollArea::sizeHint().height()};
    }
};

} // namespace

QScrollArea* scrollingColumn(QLayout* column)
{
    auto* controls = new QWidget;
    controls->setLayout(column);
    auto* area = new ColumnArea;
    area->setWidget(controls);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    return area;
}

} // namespace vantrel
