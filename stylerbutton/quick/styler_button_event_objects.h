#pragma once

#include <cstdint>

#include <QtQml/qqmlregistration.h>
#include <QObject>

namespace tolvane::styler {

// The arguments of the StylerButton's events that a handler may change, as QML objects: a
// signal handler gets the object, may write its properties, and the button reads them back
// after the last handler (a keyPress handler that sets key.keyAscii = 0 keeps Enter from
// clicking). An object lives for its signal only. The 16-bit values refuse a number outside
// -32768..32767 with a warning that names it, and keep theirs.

// mouseDown, mouseMove and mouseUp: the button bits (1 left, 2 right, 4 middle), the Shift mask
// (1 Shift, 2 Ctrl, 4 Alt) and the position in the button's logical pixels.
class StylerButtonMouseEvent : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(StylerButtonMouseEvent)
    QML_UNCREATABLE("StylerButtonMouseEvent is the argument of StylerButton's mouse signals")
    Q_PROPERTY(int button READ Button WRITE SetButton)
    Q_PROPERTY(int shift READ Shift WRITE SetShift)
    Q_PROPERTY(double x READ X WRITE SetX)
    Q_PROPERTY(double y READ Y WRITE SetY)

  public:
    StylerButtonMouseEvent(std::int16_t& button, std::int16_t& shift, float& x, float& y)
        : button_(button), shift_(shift), x_(x), y_(y) {}

    int Button() const { return button_; }
    void SetButton(int value);
    int Shift() const { return shift_; }
    void SetShift(int value);
    double X() const { return x_; }
    void SetX(double value) { x_ = static_cast<float>(value); }
    double Y() const { return y_; }
    void SetY(double value) { y_ = static_cast<float>(value); }

  private:
    std::int16_t& button_;
    std::int16_t& shift_;
    float& x_;
    float& y_;
};

// keyDown and keyUp: the Windows virtual-key code (32 Space, 13 Enter) and the Shift mask.
class StylerButtonKeyEvent : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(StylerButtonKeyEvent)
    QML_UNCREATABLE("StylerButtonKeyEvent is the argument of StylerButton's keyDown and keyUp")
    Q_PROPERTY(int keyCode READ KeyCode WRITE SetKeyCode)
    Q_PROPERTY(int shift READ Shift WRITE SetShift)

  public:
    StylerButtonKeyEvent(std::int16_t& key_code, std::int16_t& shift)
        : key_code_(key_code), shift_(shift) {}

    int KeyCode() const { return key_code_; }
    void SetKeyCode(int value);
    int Shift() const { return shift_; }
    void SetShift(int value);

  private:
    std::int16_t& key_code_;
    std::int16_t& shift_;
};

// keyPress: the character code (13 Enter, 32 Space).
class StylerButtonKeyPressEvent : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(StylerButtonKeyPressEvent)
    QML_UNCREATABLE("StylerButtonKeyPressEvent is the argument of StylerButton's keyPress")
    Q_PROPERTY(int keyAscii READ KeyAscii WRITE SetKeyAscii)

  public:
    explicit StylerButtonKeyPressEvent(std::int16_t& key_ascii) : key_ascii_(key_ascii) {}

    int KeyAscii() const { return key_ascii_; }
    void SetKeyAscii(int value);

  private:
    std::int16_t& key_ascii_;
};

}  // namespace tolvane::styler
