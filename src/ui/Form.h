#pragma once

#include <QMainWindow>
#include <QObject>
#include <QPointer>

#include "ui/Color.h"
#include "ui/Screens.h"

namespace ui {

// A window of the console. Controls are members of the subclass, placed on client().
// Load runs once, before the first showing (or when `load()` is called); Activate runs
// each time the form becomes the front form: on every show() that brings it to the front,
// and when a person clicks into it while another form is in front; never twice for one
// change of front form. KeyDown sees every key pressed anywhere in the window first.
class Form : public QObject {
    Q_OBJECT
  public:
    explicit Form(const QString& caption);
    ~Form() override;

    QMainWindow* window() const { return window_; }
    QWidget* client() const { return client_; }

    QString caption() const { return window_->windowTitle(); }
    void setCaption(const QString& text) { window_->setWindowTitle(text); }
    void setBackColor(Color c);
    Color backColor() const { return backColor_; }

    // Where the form opens when a second screen is attached: the operator's screen (the
    // default) or full-screen on the audience's. Sizes the window for its place at once.
    void setPlace(WindowPlace place);
    WindowPlace place() const { return place_; }

    void load();
    bool loaded() const { return loaded_; }
    void show();
    void hide();
    bool visible() const { return visible_; }
    // Hides the form and forgets it was loaded: the next show loads it again.
    void unload();
    bool isFront() const;

    // The form that is in front now, or none.
    static Form* front();

    // Makes this form a companion of its owner (the question window of a board): it stays
    // above the owner and never takes the front from it. Each show runs its Activate,
    // clicks into it leave the owner in front, and keys pressed in it reach the owner, so
    // the board's space bar works while the companion is up.
    void setCompanionOf(Form& owner);

  protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // A key pressed in the window; true when the form handled it (the key goes no further).
    virtual bool Form_KeyDown(int /*key*/) { return false; }
    // The client area changed size.
    virtual void Form_Resize() {}
    // The pointer moved over the bare window background (no control under it).
    virtual void Form_MouseMove() {}
    // The operator's close button; hides the form unless a form decides otherwise. A close
    // that the program itself starts hides the form without calling this.
    virtual void Form_Close() { hide(); }

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void becomeFront();
    bool backgroundMove(QObject* watched, QEvent* event) const;

    QMainWindow* window_;  // owned
    QWidget* client_ = nullptr;
    Color backColor_ = colors::buttonFace;
    WindowPlace place_ = WindowPlace::Operator;
    bool loaded_ = false;
    bool visible_ = false;
    const QEvent* lastKeyEvent_ = nullptr;
    QPointer<QWidget> lastKeyTarget_;
    QPointer<Form> owner_;  // set for a companion form
};

}  // namespace ui
