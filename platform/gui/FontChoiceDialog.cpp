#include "FontChoiceDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A face that is not installed shows in the face that stands in for it, so that the dialog opens
// on the font the user sees rather than on the first face of its list.
QFont AsShown(QFont font)
{
    font.setFamily(QFontInfo(font).family());
    return font;
}

} // namespace

TFontChoiceDialog::TFontChoiceDialog(const QFont& font, const QColor& textColor, QWidget* parent)
    : QDialog(parent), m_fonts(new QFontDialog(AsShown(font), this)), m_colorButton(new QPushButton(this)),
      m_color(textColor)
{
    setWindowTitle(QFontDialog::tr("Select Font"));
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setWindowFlags(Qt::Widget);

    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(new QLabel(tr("Colour"), this));
    colorRow->addWidget(m_colorButton);
    colorRow->addStretch();
    connect(m_colorButton, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(m_color, this);
        if (chosen.isValid()) {
            m_color = chosen;
            ShowColor();
        }
    });
    ShowColor();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

QFont TFontChoiceDialog::ChosenFont() const
{
    return m_fonts->currentFont();
}

void TFontChoiceDialog::ShowColor()
{
    m_colorButton->setText(m_color.name(QColor::HexRgb));
    m_colorButton->setStyleSheet(QStringLiteral("background-color: %1").arg(m_color.name(QColor::HexRgb)));
}
