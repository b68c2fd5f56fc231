#include "MainFormFixture.h"

#include "ColorAndFont.h"
#include "GridOptions.h"

#include <fstream>

namespace {

const QString DumpUsage = QStringLiteral("Shift + Return key & Double-click is Edit\n\rRicht-click is Kind");
const QString StyleUsage = QStringLiteral("F2 & F3 key is Moves\n\rRight-click is Edit");

class Options : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        ShowWindow();
    }

    void ActivatePaneB()
    {
        form->mDoubleWindow->trigger();
        form->bDumpGrid->setFocus();
        ASSERT_EQ(form->ActivePane, 1);
    }

    void ExpectColours(int activePane)
    {
        const bool a = activePane == 0;
        for (TStringGrid* grid : {form->aDumpGrid, form->aStyleGrid, form->bDumpGrid, form->bStyleGrid}) {
            SCOPED_TRACE(grid->objectName().toStdString());
            const bool active = (grid == form->aDumpGrid || grid == form->aStyleGrid) == a;
            const bool dump = grid == form->aDumpGrid || grid == form->bDumpGrid;
            const QColor expected = ColorFromValue(!active ? BackColor : dump ? DumpColor : StyleColor);
            EXPECT_EQ(grid->Color(), expected);
            EXPECT_EQ(grid->FixedColor(), expected);
        }
    }

    // The panel that shows at the middle of the pane: the other one is covered.
    static TPanel* FrontPanel(TPanel* pane, TPanel* dumpPanel, TPanel* stylePanel)
    {
        QWidget* shown = pane->childAt(pane->rect().center());
        if (dumpPanel->isAncestorOf(shown) || shown == dumpPanel)
            return dumpPanel;
        return stylePanel->isAncestorOf(shown) || shown == stylePanel ? stylePanel : nullptr;
    }
};

TEST_F(Options, AColourItemAsksWithItsColourAndPaintsTheGridsByActivePane)
{
    DumpColor = 0x000010;
    StyleColor = 0x000020;
    BackColor = 0x000030;
    ActivatePaneB();
    struct Case {
        const char* name;
        TMenuItem* item;
        int32_t* option;
    };
    const Case cases[] = {
        {"dump colour", form->mDumpColor, &DumpColor},
        {"style colour", form->mStyleColor, &StyleColor},
        {"background colour", form->mBackColor, &BackColor},
    };
    int32_t chosen = 0x0000FF;
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const int32_t before = *test.option;
        seam.ColorAnswers = {std::nullopt, ColorFromValue(chosen)};
        test.item->trigger();
        EXPECT_EQ(*test.option, before) << "cancelled";
        test.item->trigger();
        ASSERT_EQ(seam.ColorRequests.size(), 2u);
        EXPECT_EQ(seam.ColorRequests[0], ColorFromValue(before));
        EXPECT_EQ(*test.option, chosen);
        ExpectColours(1);
        seam.ColorRequests.clear();
        chosen <<= 8;
    }
    form->aStyleGrid->setFocus();
    ExpectColours(0);
}

TEST_F(Options, TheTwoFontItemsKeepTwoFontsOfTheirOwn)
{
    const TDataFont* dumpFont = DumpFont.get();
    const QFont first = FontFromSpec("DejaVu Sans", 11, 1);
    seam.FontAnswers = {FakePlatformSeam::FontChoice{first, QColor(0, 128, 0)}};
    form->mDumpFont->trigger();
    ASSERT_EQ(seam.FontRequests.size(), 1u);
    EXPECT_EQ(seam.FontRequests[0].font.family().toStdString(), "ＭＳ ゴシック");
    EXPECT_EQ(seam.FontRequests[0].color, QColor(Qt::white));
    EXPECT_EQ(DumpFont.get(), dumpFont) << "the option keeps its own font object";
    EXPECT_EQ(DumpFont->Name, "DejaVu Sans");
    EXPECT_EQ(DumpFont->Size, 11);
    EXPECT_EQ(DumpFont->Style, 1);
    EXPECT_EQ(DumpFont->Color, 0x008000);

    seam.FontAnswers = {FakePlatformSeam::FontChoice{FontFromSpec("DejaVu Serif", 14, 2), QColor(Qt::red)}};
    form->mStyleFont->trigger();
    EXPECT_EQ(StyleFont->Name, "DejaVu Serif");
    for (TStringGrid* grid : {form->aDumpGrid, form->bDumpGrid}) {
        EXPECT_EQ(grid->GridFont().family(), QStringLiteral("DejaVu Sans"));
        EXPECT_TRUE(grid->GridFont().bold());
        EXPECT_EQ(grid->FontColor(), QColor(0, 128, 0));
    }
    for (TStringGrid* grid : {form->aStyleGrid, form->bStyleGrid}) {
        EXPECT_EQ(grid->GridFont().pointSize(), 14);
        EXPECT_TRUE(grid->GridFont().italic());
        EXPECT_EQ(grid->FontColor(), QColor(Qt::red));
    }

    // A cancelled dialog changes no option but applies them all again.
    form->aDumpGrid->SetGridFont(QFont(QStringLiteral("Other")), Qt::blue);
    PaintGrid(form->aDumpGrid, 0x123456);
    seam.FontAnswers = {std::nullopt};
    form->mDumpFont->trigger();
    EXPECT_EQ(DumpFont->Name, "DejaVu Sans");
    EXPECT_EQ(form->aDumpGrid->GridFont().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(form->aDumpGrid->Color(), ColorFromValue(DumpColor));
}

TEST_F(Options, ShowDumpAndShowStyleLayTheirPanelsOutAndKeepOneOn)
{
    form->mDoubleWindow->trigger();
    struct Step {
        const char* name;
        TMenuItem* TMainForm::*item;
        bool dump;
        bool style;
        int width;
    };
    const Step steps[] = {
        {"Show Style off", &TMainForm::mShowStyle, true, false, 459},
        {"Show Style on", &TMainForm::mShowStyle, true, true, 881},
        {"Show Dump off", &TMainForm::mShowDump, false, true, 422},
        {"Show Style off switches Show Dump on", &TMainForm::mShowStyle, true, false, 459},
        {"Show Dump off while Show Style is off changes nothing", &TMainForm::mShowDump, true, false, 459},
        {"Show Style on again", &TMainForm::mShowStyle, true, true, 881},
    };
    // A splitter drag that the layout with both panels undoes.
    form->aPanel1->Controls()->SetExtent(form->aStylePanel, 300);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        (form.get()->*step.item)->trigger();
        QApplication::processEvents();
        EXPECT_EQ(form->mShowDump->Checked(), step.dump);
        EXPECT_EQ(form->mShowStyle->Checked(), step.style);
        EXPECT_EQ(DumpShown, step.dump ? 1 : 0);
        EXPECT_EQ(StyleShown, step.style ? 1 : 0);
        EXPECT_EQ(form->width(), step.width);
        for (int pane = 0; pane < 2; ++pane) {
            TPanel* panePanel = pane == 0 ? form->aPanel1 : form->bPanel1;
            TPanel* dumpPanel = pane == 0 ? form->aDumpPanel : form->bDumpPanel;
            TPanel* stylePanel = pane == 0 ? form->aStylePanel : form->bStylePanel;
            TSplitter* splitter = pane == 0 ? form->aSplitter1 : form->bSplitter1;
            SCOPED_TRACE(pane == 0 ? "pane a" : "pane b");
            EXPECT_TRUE(dumpPanel->isVisible());
            EXPECT_TRUE(stylePanel->isVisible());
            EXPECT_EQ(splitter->isVisible(), step.dump && step.style);
            const QRect inside = panePanel->contentsRect();
            if (step.dump && step.style) {
                EXPECT_EQ(stylePanel->width(), 420);
                EXPECT_EQ(splitter->geometry().right() + 1, stylePanel->x());
                EXPECT_EQ(dumpPanel->geometry().right() + 1, splitter->x());
                EXPECT_EQ(dumpPanel->x(), inside.x());
            } else {
                TPanel* front = step.dump ? dumpPanel : stylePanel;
                EXPECT_EQ(front->geometry(), inside);
                EXPECT_EQ(FrontPanel(panePanel, dumpPanel, stylePanel), front);
            }
        }
    }
}

TEST_F(Options, ShowHintSetsOrClearsTheGridsUsageHints)
{
    EXPECT_TRUE(form->mShowHint->Checked());
    EXPECT_EQ(form->aDumpGrid->toolTip(), DumpUsage);
    EXPECT_EQ(form->bStyleGrid->toolTip(), StyleUsage);
    form->mShowHint->trigger();
    EXPECT_FALSE(form->mShowHint->Checked());
    EXPECT_EQ(HintShown, 0);
    for (TStringGrid* grid : {form->aDumpGrid, form->aStyleGrid, form->bDumpGrid, form->bStyleGrid})
        EXPECT_TRUE(grid->toolTip().isEmpty()) << grid->objectName().toStdString();
    form->mShowHint->trigger();
    EXPECT_EQ(HintShown, 1);
    EXPECT_EQ(form->bDumpGrid->toolTip(), DumpUsage);
    EXPECT_EQ(form->aStyleGrid->toolTip(), StyleUsage);
}

TEST_F(Options, TheOptionsLastIntoTheNextRun)
{
    seam.ColorAnswers = {QColor(0x10, 0x20, 0x30), QColor(0x40, 0x50, 0x60)};
    form->mDumpColor->trigger();
    form->mBackColor->trigger();
    seam.FontAnswers = {FakePlatformSeam::FontChoice{FontFromSpec("DejaVu Sans", 10, 0), QColor(Qt::yellow)},
                        FakePlatformSeam::FontChoice{FontFromSpec("DejaVu Serif", 13, 0), QColor(Qt::cyan)}};
    form->mDumpFont->trigger();
    form->mStyleFont->trigger();
    form->mShowDump->trigger();
    form->mShowHint->trigger();
    form->close();

    copyDelBox.reset();
    form.reset();
    form = std::make_unique<TMainForm>();
    copyDelBox = std::make_unique<TCopyDelBox>();
    EXPECT_EQ(form->aDumpGrid->Color(), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(form->bDumpGrid->Color(), QColor(0x40, 0x50, 0x60));
    EXPECT_EQ(form->aDumpGrid->GridFont().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(form->aDumpGrid->FontColor(), QColor(Qt::yellow));
    EXPECT_EQ(form->bStyleGrid->GridFont().pointSize(), 13);
    EXPECT_EQ(form->bStyleGrid->FontColor(), QColor(Qt::cyan));
    EXPECT_FALSE(form->mShowDump->Checked());
    EXPECT_TRUE(form->mShowStyle->Checked());
    EXPECT_EQ(form->width(), 422);
    EXPECT_FALSE(form->mShowHint->Checked());
    EXPECT_TRUE(form->aDumpGrid->toolTip().isEmpty());
}

TEST_F(Options, AnOptionFileWithBothPanelsOffKeepsTheDesignedLayout)
{
    {
        std::ofstream options(OptionFileName(), std::ios::binary);
        options << "Dump         :0\r\n\r\n\r\n\r\n\r\nStyle        :0\r\n";
    }
    form.reset();
    form = std::make_unique<TMainForm>();
    EXPECT_FALSE(form->mShowDump->Checked());
    EXPECT_FALSE(form->mShowStyle->Checked());
    EXPECT_EQ(form->width(), 881);
    EXPECT_TRUE(form->aSplitter1->isVisibleTo(form.get()));
    form->mShowStyle->trigger();
    EXPECT_EQ(form->width(), 422) << "the first click lays the panels out";
}

} // namespace
