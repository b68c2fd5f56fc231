#pragma once
// The common dialogs as components of a window: each keeps its settings and the last answer,
// and asks the user through the platform seam when executed.

#include "PlatformSeam.h"

#include <QColor>
#include <QFont>
#include <QObject>

#include <string>

class TFileDialog : public QObject {
    Q_OBJECT

public:
    enum class TKind { Open, Save };

    TFileDialog(TKind kind, QObject* parent);

    [[nodiscard]] TKind Kind() const { return m_kind; }
    // The proposed name before Execute, the chosen one after OK.
    [[nodiscard]] const std::string& FileName() const { return m_fileName; }
    void SetFileName(std::string fileName) { m_fileName = std::move(fileName); }
    [[nodiscard]] const TFileDialogSpec& Spec() const { return m_spec; }
    void SetSpec(TFileDialogSpec spec) { m_spec = std::move(spec); }

    // False when the user cancelled; the file name then stays.
    bool Execute();

private:
    TKind m_kind;
    std::string m_fileName;
    TFileDialogSpec m_spec;
};

class TColorDialog : public QObject {
    Q_OBJECT

public:
    explicit TColorDialog(QObject* parent);

    [[nodiscard]] QColor Color() const { return m_color; }
    void SetColor(const QColor& color) { m_color = color; }
    bool Execute();

private:
    QColor m_color;
};

class TFontDialog : public QObject {
    Q_OBJECT

public:
    explicit TFontDialog(QObject* parent);

    [[nodiscard]] QFont Font() const { return m_font; }
    [[nodiscard]] QColor FontColor() const { return m_color; }
    void SetFont(const QFont& font, const QColor& color);
    bool Execute();

private:
    QFont m_font;
    QColor m_color;
};
