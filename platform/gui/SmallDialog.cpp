#include "SmallDialog.h"

#include "ColorAndFont.h"
#include "Form.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

// The rest of the keystroke whose press closed a dialog: its repeats while the key is held and
// its release. They come after the dialog has gone, to the focus of the window below, where Enter
// would open a grid's editor or write a value and Esc would close an editor, restoring the cell.
// X repeats a held key as a release and a press of one time stamp, which Qt marks as a repeat
// only when the press has already arrived; a press of the last release's time is a repeat too.
// The first press that is no repeat is a new keystroke: it goes through and the swallowing ends.
class TKeystrokeTail : public QObject {
public:
    explicit TKeystrokeTail(std::initializer_list<int> keys) : QObject(QCoreApplication::instance()), m_keys(keys)
    {
        delete s_current;
        s_current = this;
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (std::find(m_keys.begin(), m_keys.end(), key->key()) == m_keys.end())
            return false;
        if (type == QEvent::KeyRelease) {
            m_releasedAt = key->timestamp();
            return true;
        }
        // 0 is an event made without a time, as a test makes it.
        if (key->isAutoRepeat() || (m_releasedAt != 0 && key->timestamp() == m_releasedAt)) {
            // An accepted override starts no shortcut either.
            event->accept();
            return true;
        }
        QCoreApplication::instance()->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    static inline QPointer<TKeystrokeTail> s_current;
    std::vector<int> m_keys;
    quint64 m_releasedAt = 0;
};

} // namespace

void SetUpDialogFrame(TForm* dialog, int clientWidth, int clientHeight, bool staysOnTop)
{
    dialog->SetToolWindow(staysOnTop);
    dialog->setFixedSize(clientWidth, clientHeight);
    dialog->setFont(FormFont());
}

void SetUpBlueDialog(TForm* dialog, int clientWidth, int clientHeight, bool staysOnTop)
{
    SetUpDialogFrame(dialog, clientWidth, clientHeight, staysOnTop);
    dialog->SetColor(Qt::blue);
}

bool EnterOrEscape(TForm* dialog, QChar& key, const std::function<void()>& accept)
{
    if (key == u'\r') {
        key = QChar();
        new TKeystrokeTail({Qt::Key_Return, Qt::Key_Enter});
        accept();
    } else if (key == u'\x1b') {
        key = QChar();
        new TKeystrokeTail({Qt::Key_Escape});
        dialog->SetModalResult(mrNo);
    } else {
        return false;
    }
    return true;
}
