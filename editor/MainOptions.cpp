// The Option menu: the grids' colours and fonts, the dump and style panels switched on and off,
// and the grids' usage hints.
#include "MainUnit.h"

#include "ColorAndFont.h"
#include "DataUnit.h"
#include "GridOptions.h"

#include <cmath>

namespace {

// The client widths of the window with the dump panels alone and the style panels alone.
constexpr int DumpPanelsWidth = 459;
constexpr int StylePanelsWidth = 422;

const char* const DumpUsageHint = "Shift + Return key & Double-click is Edit\n\rRicht-click is Kind";
const char* const StyleUsageHint = "F2 & F3 key is Moves\n\rRight-click is Edit";

void ChooseColour(TColorDialog* dialog, int32_t& option)
{
    dialog->SetColor(ColorFromValue(option));
    if (dialog->Execute())
        option = ValueFromColor(dialog->Color());
}

// The option keeps its own font object; only its settings change.
void ChooseFont(TFontDialog* dialog, TDataFont& option)
{
    dialog->SetFont(FontFromSpec(option.Name, option.Size, option.Style), ColorFromValue(option.Color));
    if (!dialog->Execute())
        return;
    const QFont font = dialog->Font();
    option.Name = font.family().toStdString();
    // A font chosen by its pixel size has no point size: 96 pixels make an inch of 72 points.
    option.Size = font.pointSize() > 0 ? font.pointSize() : static_cast<int32_t>(std::lround(font.pixelSize() * 0.75));
    option.Style = FontStyleBits(font);
    option.Color = ValueFromColor(dialog->FontColor());
}

} // namespace

void PaintGrid(TStringGrid* grid, int32_t colour)
{
    const QColor color = ColorFromValue(colour);
    grid->SetColor(color);
    grid->SetFixedColor(color);
}

void ApplyFont(TStringGrid* grid, const TDataFont& font)
{
    grid->SetGridFont(FontFromSpec(font.Name, font.Size, font.Style), ColorFromValue(font.Color));
}

void TMainForm::mOptionClick(QObject* sender)
{
    if (sender == mDumpColor)
        ChooseColour(ColorDialog1, DumpColor);
    else if (sender == mStyleColor)
        ChooseColour(ColorDialog1, StyleColor);
    else if (sender == mBackColor)
        ChooseColour(ColorDialog1, BackColor);
    else if (sender == mDumpFont)
        ChooseFont(FontDialog1, *DumpFont);
    else if (sender == mStyleFont)
        ChooseFont(FontDialog1, *StyleFont);

    ColourGridsByActivePane();
    for (TStringGrid* grid : {aDumpGrid, bDumpGrid})
        ApplyFont(grid, *DumpFont);
    for (TStringGrid* grid : {aStyleGrid, bStyleGrid})
        ApplyFont(grid, *StyleFont);
}

void TMainForm::mShowOptionClick(TMenuItem* sender)
{
    sender->SetChecked(!sender->Checked());
    if (!mShowDump->Checked() && !mShowStyle->Checked())
        mShowDump->SetChecked(true);
    DumpShown = mShowDump->Checked() ? 1 : 0;
    StyleShown = mShowStyle->Checked() ? 1 : 0;
    ArrangePanels();
}

void TMainForm::ArrangePanels()
{
    const bool dump = DumpShown != 0;
    const bool style = StyleShown != 0;
    if (!dump && !style)
        return;
    for (int pane = 0; pane < 2; ++pane) {
        TAlignLayout* layout = (pane == 0 ? aPanel1 : bPanel1)->Controls();
        TPanel* dumpPanel = pane == 0 ? aDumpPanel : bDumpPanel;
        TPanel* stylePanel = pane == 0 ? aStylePanel : bStylePanel;
        TSplitter* splitter = pane == 0 ? aSplitter1 : bSplitter1;
        // The panel switched off keeps its place and stays visible, covered by the other.
        if (dump && style) {
            layout->SetAlign(stylePanel, TAlign::Right);
            layout->SetExtent(stylePanel, StylePanelWidth);
            layout->SetAlign(dumpPanel, TAlign::Client);
            splitter->show();
        } else if (dump) {
            splitter->hide();
            layout->SetAlign(stylePanel, TAlign::None);
            layout->SetAlign(dumpPanel, TAlign::Client);
            dumpPanel->raise();
        } else {
            splitter->hide();
            layout->SetAlign(dumpPanel, TAlign::None);
            layout->SetAlign(stylePanel, TAlign::Client);
            stylePanel->raise();
        }
    }
    resize(dump && style ? BothPanelsWidth : dump ? DumpPanelsWidth : StylePanelsWidth, height());
}

void TMainForm::mShowHintClick(QObject*)
{
    mShowHint->SetChecked(!mShowHint->Checked());
    HintShown = mShowHint->Checked() ? 1 : 0;
    const QString dumpHint = HintShown != 0 ? QString::fromUtf8(DumpUsageHint) : QString();
    const QString styleHint = HintShown != 0 ? QString::fromUtf8(StyleUsageHint) : QString();
    for (TStringGrid* grid : {aDumpGrid, bDumpGrid})
        grid->setToolTip(dumpHint);
    for (TStringGrid* grid : {aStyleGrid, bStyleGrid})
        grid->setToolTip(styleHint);
}
