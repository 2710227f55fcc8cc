#pragma once

#include <QMainWindow>
#include <QObject>
#include <QPointer>

#include "ui/Color.h"

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

  protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // A key pressed in the window; true when the form handled it (the key goes no further).
    virtual bool Form_KeyDown(int /*key*/) { return false; }
    // The client area changed size.
    virtual void Form_Resize() {}
    // The operator's close button; hides the form unless a form decides otherwise. A close
    // that the program itself starts hides the form without calling this.
    virtual void Form_Close() { hide(); }

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void becomeFront();

    QMainWindow* window_;  // owned
    QWidget* client_ = nullptr;
    Color backColor_ = colors::buttonFace;
    bool loaded_ = false;
    bool visible_ = false;
    const QEvent* lastKeyEvent_ = nullptr;
    QPointer<QWidget> lastKeyTarget_;
};

}  // namespace ui
