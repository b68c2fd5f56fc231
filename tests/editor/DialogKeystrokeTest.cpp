// The key that closes a small dialog ends with the dialog: what a display sends after its press,
// the repeats while the key is held and the release, reaches nothing of the main window.
#include "MainFormFixture.h"

#include "ModalAnswer.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

// Counts the events of the keys that reach a widget of the window.
class KeyEventCount : public QObject {
public:
    KeyEventCount(const QWidget* window, std::vector<int> keys) : m_window(window), m_keys(std::move(keys))
    {
        QApplication::instance()->installEventFilter(this);
    }

    int Count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride) &&
            watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == m_window &&
            std::ranges::count(m_keys, static_cast<QKeyEvent*>(event)->key()) > 0)
            ++Count;
        return false;
    }

private:
    const QWidget* m_window;
    std::vector<int> m_keys;
};

// What follows a key's press, sent as a display does, to whatever has the focus: a repeat that Qt
// marks, a repeat as X sends it (a release and a press of one time stamp), and the release.
void SendKeystrokeTail(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    const QString text = key == Qt::Key_Escape ? QStringLiteral("\x1b") : QStringLiteral("\r");
    const auto send = [&](QEvent::Type type, bool autoRepeat, quint64 time) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QKeyEvent event(type, key, modifiers, text, autoRepeat);
        event.setTimestamp(time);
        QApplication::sendEvent(focus, &event);
    };
    send(QEvent::KeyPress, true, 1000);
    send(QEvent::KeyRelease, false, 1040);
    send(QEvent::KeyPress, false, 1040);
    send(QEvent::KeyRelease, false, 1100);
}

class DialogKeystroke : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        Load(0, Pattern(512));
        SetFields({{vkByte, 1}, {vkBinary, 1}});
        form->FillStyleGrids(true);
        ShowWindow();
    }
};

TEST_F(DialogKeystroke, TheKeyThatClosesADialogReachesNothingBeneathIt)
{
    struct Case {
        const char* name;
        TForm* dialog;
        QWidget* keyTarget;
        const char* typed;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::function<void()> open;
    };
    // On the first field's value.
    const auto styleCommand = [this](TMenuItem* item) {
        return [this, item] {
            Click(form->aStyleGrid, 4, 1);
            item->trigger();
        };
    };
    const auto valueEditor = [this] {
        form->aDumpGrid->setFocus();
        QTest::keyClick(form->aDumpGrid, Qt::Key_Return, Qt::ShiftModifier);
    };
    const auto bitEditor = [this] {
        Click(form->aStyleGrid, 2, 2);
        QTest::mouseDClick(form->aStyleGrid->viewport(), Qt::LeftButton, {}, form->aStyleGrid->CellRect(2, 2).center());
    };
    const auto jump = [this] {
        form->aDumpGrid->setFocus();
        form->mMoveToUser->trigger();
    };
    const Case cases[] = {
        {"size, Enter", sizeBox.get(), sizeBox->Edit1, "", Qt::Key_Return, {}, styleCommand(form->pmChar1)},
        {"size, Esc", sizeBox.get(), sizeBox->Edit1, "", Qt::Key_Escape, {}, styleCommand(form->pmChar1)},
        {"text, Enter", inputBox.get(), inputBox->Edit1, "", Qt::Key_Return, {}, styleCommand(form->pmComment)},
        {"text, Esc", inputBox.get(), inputBox->Edit1, "", Qt::Key_Escape, {}, styleCommand(form->pmHint)},
        {"value, Shift+Enter", textChip.get(), textChip->Edit1, "", Qt::Key_Return, Qt::ShiftModifier, valueEditor},
        {"bits, Enter", binaryBox.get(), binaryBox.get(), "", Qt::Key_Return, {}, bitEditor},
        {"address, Shift+Enter", addressBox.get(), addressBox->Edit1, "10", Qt::Key_Return, Qt::ShiftModifier, jump},
        {"address, Esc", addressBox.get(), addressBox->Edit1, "", Qt::Key_Escape, {}, jump},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        SetFields({{vkByte, 1}, {vkBinary, 1}});
        form->FillStyleGrids(true);
        // Made before the dialog's key is pressed, the count sees only what gets past whatever
        // that key sets up.
        KeyEventCount reaching(form.get(), {test.key, Qt::Key_Enter});
        const TModalAnswer answer(test.dialog, [&] {
            QTest::keyClicks(test.keyTarget, QString::fromLatin1(test.typed));
            QTest::keyPress(test.keyTarget, test.key, test.modifiers);
        });
        test.open();
        ASSERT_TRUE(answer.Answered());
        ASSERT_FALSE(test.dialog->isVisible());
        const bool editing = form->aStyleGrid->EditorMode();
        const std::string value = form->aStyleGrid->Cell(4, 1);

        // Shift+Enter let go on a dump grid opens the value editor.
        int reopened = 0;
        QTimer valueEditorAgain;
        QObject::connect(&valueEditorAgain, &QTimer::timeout, [&] {
            if (QApplication::activeModalWidget() == textChip.get()) {
                ++reopened;
                textChip->close();
            }
        });
        valueEditorAgain.start(0);
        reaching.Count = 0;
        SendKeystrokeTail(test.key, test.modifiers);
        QApplication::processEvents();

        EXPECT_EQ(reaching.Count, 0);
        EXPECT_EQ(reopened, 0);
        // The kind commands leave the field's editor open; Esc in it would put back the text
        // the cell had before the command.
        EXPECT_EQ(form->aStyleGrid->EditorMode(), editing);
        EXPECT_EQ(form->aStyleGrid->Cell(4, 1), value);
        form->aStyleGrid->SetEditorMode(false);

        // The next keystroke of the key is the user's own again.
        const KeyEventCount next(form.get(), {test.key});
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, test.key);
        EXPECT_GT(next.Count, 0);
    }
}

} // namespace
