#include "ui/number_keys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace vantrel {

namespace {

class DigitsOnlyFilter final : public QObject {
public:
    DigitsOnlyFilter(QLineEdit* box, bool allowMinus) : QObject(box), allowMinus_(allowMinus) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Keys without printable text (Backspace, Delete, arrows) edit as usual.
        if (text.isEmpty() || !text.at(0).isPrint() || (key->modifiers() & Qt::ControlModifier))
            return false;
        for (const QChar c : text)
            if ((c < u'0' || c > u'9') && !(allowMinus_ && c == u'-'))
                return true;
        return false;
    }

private:
    bool allowMinus_;
};

} // namespace

void acceptDigitsOnly(QLineEdit* box)
{
    box->installEventFilter(new DigitsOnlyFilter(box, false));
}

void acceptSignedDigitsOnly(QLineEdit* box)
{
    box->installEventFilter(new DigitsOnlyFilter(box, true));
}

} // namespace vantrel
