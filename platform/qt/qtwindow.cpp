// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <algorithm>
#include <chrono>

#include "platform/keys.h"
#include "platform/qt/leavewatch.h"
#include "platform/texts.h"

namespace {

// A panel text field keeps every key it is given. A plain line edit lets the keys it has no use
// for (Up, Down, Ctrl or Alt with a letter) travel on to the drawing area, where they would reach
// the game under the open panel. Enter presses the panel's Done.
class panelfield : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
  std::function<void()> onenter;

  // The width that shows `chars` digits whole, frame and margins included.
  int widthfor(int chars) {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QSize digits(fontMetrics().horizontalAdvance(QString(chars, QChar('0'))) + 2 * margin + 1,
                       fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_LineEdit, &option, digits, this).width();
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    // F1, which shows the key list, changes nothing in the game.
    if (event->key() == Qt::Key_F1) {
      event->ignore();
      return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && onenter) {
      onenter();
    } else {
      QLineEdit::keyPressEvent(event);
    }
    event->accept();
  }

 private:
  static constexpr int margin = 2;  // a line edit's own space either side of its text
};

// Panel texts and the indications sit on a dark backdrop, so that the picture's grid lines do not
// run through them.
QString backdrop(const QColor& color) {
  return QString("color: %1; background: rgba(0, 0, 0, 200); padding: 1px 4px;").arg(color.name());
}

}  // namespace

canvas::canvas(qtsurface& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The keys belong to the game (or to the panel field being typed in): a menu bar left in
  // keyboard mode (a tap on Alt, or Escape out of one of its menus) would take the arrows until
  // the player clicked back into the window.
  QObject::connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    if (qobject_cast<QMenuBar*>(now) == nullptr || now->window() != window()) return;
    QPointer<QWidget> back = old != nullptr && old->window() == window() ? old : this;
    QMetaObject::invokeMethod(
        this, [this, back] { (back && back->isVisible() ? back.data() : this)->setFocus(); },
        Qt::QueuedConnection);
  });
}

int canvas::keycode(const QKeyEvent& event) {
  // Ctrl+N and Ctrl+Q reach the drawing area only while their menu item is disabled.
  const QKeyCombination combination = event.keyCombination();
  if (combination == (Qt::CTRL | Qt::Key_N) || combination == (Qt::CTRL | Qt::Key_Q)) return 0;
  const int key = event.key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return keys::enter;
  if (key == Qt::Key_Left) return keys::left;
  if (key == Qt::Key_Up) return keys::up;
  if (key == Qt::Key_Right) return keys::right;
  if (key == Qt::Key_Down) return keys::down;
  if (key == Qt::Key_F1) return keys::f1;
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // Qt's letter codes are 65..90
  return 0;
}

int canvas::replaykeycode(const QKeyEvent& event) {
  const int key = event.key();
  if (key == Qt::Key_Escape) return keys::escape;
  if (key == Qt::Key_End) return keys::end;
  if (key == Qt::Key_Plus) return keys::plus;
  if (key == Qt::Key_Minus) return keys::minus;
  return 0;
}

void canvas::paintEvent(QPaintEvent*) {
  // The picture is drawn in the game's own units, one per logical pixel. On a scaled desktop each
  // is shown as a block of device pixels, never smoothed: edges stay sharp and the hatched faces
  // keep no gaps.
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(rect(), picture_.image());
}

void canvas::resizeEvent(QResizeEvent*) {
  picture_.setsize(width(), height());
  if (onresize) onresize();
}

void canvas::keyPressEvent(QKeyEvent* event) {
  const int code = keycode(*event) != 0 ? keycode(*event) : replaykeys ? replaykeycode(*event) : 0;
  if (code == 0 || !onkey) {
    QWidget::keyPressEvent(event);
    return;
  }
  onkey(code);
}

qtwindow::qtwindow(const std::vector<menudef>& menus, const std::vector<controldef>& controls) {
  setWindowTitle(QString::fromStdString(say("title", "Vovov Kubrix 3d - By Vendrisalo (Age 20)")));
  area_ = new canvas(picture_, this);
  setCentralWidget(area_);
  for (const menudef& def : menus) addmenu(menuBar(), def);
  for (const controldef& def : controls) addcontrol(def);
  placefields(controls);
  status_ = new QLabel(area_);
  status_->setObjectName("status");
  status_->setStyleSheet(backdrop(Qt::white) + "border: 1px solid gray;");
  status_->hide();

  area_->onkey = [this](int code) { deliver([code](events& e) { e.Form_KeyDown(code); }); };
  area_->onresize = [this] {
    placestatus();
    deliver([](events& e) { e.Form_Resize(); });
  };

  leave_ = new leavewatch(*this, [this] { deliver([](events& e) { e.Form_Deactivate(); }); });
  // F11 switches full screen, the desktop's way, and never reaches the game.
  auto* fullscreen = new QAction(this);
  fullscreen->setShortcut(Qt::Key_F11);
  QObject::connect(fullscreen, &QAction::triggered, this,
                   [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });
  addAction(fullscreen);

  clock_.start();
  timer1_.setInterval(1000);
  QObject::connect(&timer1_, &QTimer::timeout, this,
                   [this] { deliver([](events& e) { e.Timer1_Timer(); }); });
  timer1_.start();

  // The drawing area is designed at 500 x 554 pixels; the window is made wider only where the
  // menu bar would otherwise hide its last menus behind an overflow button.
  resize(std::max(500, menuBar()->sizeHint().width()), 554 + menuBar()->sizeHint().height());
  area_->setFocus();
}

qtwindow::~qtwindow() {
  sink_ = nullptr;
  delete leave_;
}

void qtwindow::addmenu(QWidget* parent, const menudef& def) {
  auto* bar = qobject_cast<QMenuBar*>(parent);
  auto* menu = qobject_cast<QMenu*>(parent);
  if (!def.children.empty() || bar != nullptr) {
    QMenu* sub = bar ? bar->addMenu(QString::fromStdString(def.caption))
                     : menu->addMenu(QString::fromStdString(def.caption));
    for (const menudef& child : def.children) addmenu(sub, child);
    // What the menu covered is painted afresh: some window systems give back a hole.
    QObject::connect(sub, &QMenu::aboutToHide, this, &qtwindow::repaintwhole);
    return;
  }
  if (def.caption.empty()) {
    menu->addSeparator();
    return;
  }
  QAction* action = menu->addAction(QString::fromStdString(def.caption));
  // A caption without a command (the key list) shows text and does nothing when chosen.
  if (def.id == menuitem::none) return;
  // The desktop's shortcuts, shown beside their items; a disabled item takes its shortcut along.
  if (def.id == menuitem::newgame) action->setShortcut(Qt::CTRL | Qt::Key_N);
  if (def.id == menuitem::quit) action->setShortcut(Qt::CTRL | Qt::Key_Q);
  action->setCheckable(def.checkable);
  action->setChecked(def.checked);
  const menuitem id = def.id;
  QObject::connect(action, &QAction::triggered, this, [this, id, action] {
    // The game sets every check mark itself; undo Qt's own toggle first.
    if (action->isCheckable()) action->setChecked(!action->isChecked());
    deliver([id](events& e) { e.menu_Click(id); });
  });
  actions_[id] = action;
}

void qtwindow::addcontrol(const controldef& def) {
  QWidget* widget = nullptr;
  const QString caption = QString::fromStdString(def.caption);
  const control id = def.id;
  switch (def.kind) {
    case controlkind::label: {
      auto* label = new QLabel(caption, area_);
      // Prompts are yellow and field labels green, each on one line.
      label->setStyleSheet(
          backdrop(QColor(def.color & 0xFF, (def.color >> 8) & 0xFF, (def.color >> 16) & 0xFF)));
      widget = label;
      break;
    }
    case controlkind::textfield: {
      auto* field = new panelfield(caption, area_);
      QObject::connect(field, &QLineEdit::textEdited, this,
                       [this, id] { deliver([id](events& e) { e.text_Change(id); }); });
      field->onenter = [this, id] {
        const auto done = donebutton_.find(id);
        if (done == donebutton_.end()) return;
        auto* button = qobject_cast<QPushButton*>(controls_.at(done->second));
        if (button->isVisible()) button->click();
      };
      widget = field;
      break;
    }
    case controlkind::button: {
      auto* button = new QPushButton(caption, area_);
      button->setFocusPolicy(Qt::NoFocus);
      QObject::connect(button, &QPushButton::clicked, this,
                       [this, id] { deliver([id](events& e) { e.button_Click(id); }); });
      // A panel lists its fields before its Done: the fields still without one are this panel's.
      for (const auto& [other, existing] : controls_) {
        if (qobject_cast<QLineEdit*>(existing) != nullptr) donebutton_.try_emplace(other, id);
      }
      widget = button;
      break;
    }
  }
  QRect place(def.left, def.top, def.width, def.height);
  // A label is as wide as its text, on one line; a field as wide as its longest value.
  if (def.kind == controlkind::label) {
    place.setSize({widget->sizeHint().width(), std::max(def.height, widget->sizeHint().height())});
  }
  if (def.kind == controlkind::textfield) {
    place.setWidth(std::max(def.width, static_cast<panelfield*>(widget)->widthfor(def.chars)));
  }
  widget->setGeometry(place);
  widget->hide();
  controls_[id] = widget;
}

void qtwindow::placefields(const std::vector<controldef>& controls) {
  constexpr int gap = 4;
  std::map<int, int> column;  // a design left, and where its fields stand
  for (const controldef& field : controls) {
    if (field.kind != controlkind::textfield) continue;
    int& left = column.try_emplace(field.left, field.left).first->second;
    for (const controldef& label : controls) {
      // A field's label is the one whose design box ends where the field begins.
      if (label.kind == controlkind::label && label.top == field.top &&
          label.left + label.width == field.left) {
        left = std::max(left, controls_.at(label.id)->geometry().right() + 1 + gap);
      }
    }
  }
  for (const controldef& field : controls) {
    if (field.kind == controlkind::textfield)
      controls_.at(field.id)->move(column.at(field.left), field.top);
  }
}

void qtwindow::deliver(const std::function<void(events&)>& handler) {
  if (sink_ == nullptr || !activated_) return;
  handler(*sink_);
  if (picture_.takedirty()) area_->update();
}

void qtwindow::refresh() {
  if (picture_.takedirty()) area_->update();
}

void qtwindow::commitsession() {
  deliver([](events& e) { e.Session_Commit(); });
}

void qtwindow::endsession() {
  // Before the game has started there is nothing to keep.
  if (!activated_) {
    quit();
    return;
  }
  deliver([](events& e) { e.Session_End(); });
}

void qtwindow::bringtofront() {
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void qtwindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (activated_) return;
  QTimer::singleShot(0, this, [this] {
    if (activated_ || sink_ == nullptr) return;
    activated_ = true;
    if (checked(menuitem::sound)) sound_.prepare();
    picture_.setsize(area_->width(), area_->height());
    deliver([](events& e) { e.Form_Activate(); });
  });
}

void qtwindow::closeEvent(QCloseEvent* event) {
  // The game decides: it quits once its game is kept, or leaves the window open to say why not.
  if (!quitting_ && sink_ != nullptr) sink_->Form_Unload();
  event->setAccepted(quitting_ || sink_ == nullptr);
}

void qtwindow::settitle(const std::string& title) {
  setWindowTitle(QString::fromStdString(title));
}

void qtwindow::setchecked(menuitem item, bool on) {
  const auto found = actions_.find(item);
  if (found == actions_.end() || found->second->isChecked() == on) return;
  found->second->setChecked(on);
  // Sound turned on during play is made ready at once, not at the first sound.
  if (item == menuitem::sound && on && activated_) sound_.prepare();
  if (onchoice) onchoice(item);
}
bool qtwindow::checked(menuitem item) const {
  const auto found = actions_.find(item);
  return found != actions_.end() && found->second->isChecked();
}
void qtwindow::setenabled(menuitem item, bool on) {
  if (auto found = actions_.find(item); found != actions_.end()) found->second->setEnabled(on);
}
bool qtwindow::enabled(menuitem item) const {
  const auto found = actions_.find(item);
  return found != actions_.end() && found->second->isEnabled();
}

std::string qtwindow::text(control c) const {
  const auto found = controls_.find(c);
  if (found == controls_.end()) return {};
  if (auto* field = qobject_cast<QLineEdit*>(found->second)) return field->text().toStdString();
  if (auto* label = qobject_cast<QLabel*>(found->second)) return label->text().toStdString();
  if (auto* button = qobject_cast<QPushButton*>(found->second)) return button->text().toStdString();
  return {};
}

void qtwindow::settext(control c, const std::string& text) {
  const auto found = controls_.find(c);
  if (found == controls_.end()) return;
  const QString value = QString::fromStdString(text);
  if (auto* field = qobject_cast<QLineEdit*>(found->second)) field->setText(value);
  if (auto* label = qobject_cast<QLabel*>(found->second)) label->setText(value);
  if (auto* button = qobject_cast<QPushButton*>(found->second)) button->setText(value);
}

void qtwindow::setvisible(control c, bool on) {
  if (auto found = controls_.find(c); found != controls_.end()) found->second->setVisible(on);
  if (!on) area_->setFocus();
}
bool qtwindow::visible(control c) const {
  const auto found = controls_.find(c);
  return found != controls_.end() && found->second->isVisible();
}
void qtwindow::setcontrolenabled(control c, bool on) {
  if (auto found = controls_.find(c); found != controls_.end()) found->second->setEnabled(on);
}
void qtwindow::setfocus(control c) {
  const auto found = controls_.find(c);
  if (found == controls_.end()) return;
  // Once the menu that opened the panel has closed: a menu bar left by the keyboard hands the
  // focus back to the widget it came from when it closes.
  QWidget* widget = found->second;
  QTimer::singleShot(0, widget, [widget] {
    if (widget->isVisible()) widget->setFocus();
  });
}

void qtwindow::showmessage(const std::string& text) {
  showbox(QMessageBox::Warning, text);
}
void qtwindow::showinformation(const std::string& text) {
  showbox(QMessageBox::Information, text);
}

void qtwindow::showbox(QMessageBox::Icon icon, const std::string& text) {
  QMessageBox box(icon, QString::fromStdString(say("title", "Vovov Kubrix 3d")),
                  QString::fromStdString(text), QMessageBox::Ok, this);
  // Player names and file names are shown as typed, never taken for markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
  repaintwhole();
}

void qtwindow::showkeys(const std::vector<keyhelp>& keys) {
  QDialog list(this);
  list.setWindowTitle(QString::fromStdString(say("keys", "Vovov Kubrix 3d - Keys")));
  auto* grid = new QGridLayout(&list);
  int row = 0;
  for (const keyhelp& key : keys) {
    auto* name = new QLabel(QString::fromStdString(key.keys), &list);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    grid->addWidget(name, row, 0);
    grid->addWidget(new QLabel(QString::fromStdString(key.what), &list), row, 1);
    ++row;
  }
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, &list);
  QObject::connect(close, &QDialogButtonBox::rejected, &list, &QDialog::reject);
  grid->addWidget(close, row, 0, 1, 2);
  list.exec();
  repaintwhole();
}

void qtwindow::showhelp(const std::string& heading, const std::string& text) {
  QMessageBox page(QMessageBox::NoIcon, QString::fromStdString(heading),
                   QString::fromStdString(text), QMessageBox::Ok, this);
  page.setIconPixmap(QApplication::windowIcon().pixmap(64));
  page.setTextFormat(Qt::PlainText);
  page.exec();
  repaintwhole();
}

void qtwindow::playsound(soundeffect effect) {
  sound_.play(effect);
}

void qtwindow::repaintwhole() {
  for (QWidget* widget : findChildren<QWidget*>()) widget->update();
}

void qtwindow::setstatus(const std::string& text) {
  const QString shown = QString::fromStdString(text);
  if (shown == status_->text() && status_->isVisible() == !shown.isEmpty()) return;
  status_->setText(shown);
  status_->setVisible(!shown.isEmpty());
  placestatus();
}

// Centred at the top of the drawing area, in the margin the fit keeps free above the picture.
void qtwindow::placestatus() {
  status_->adjustSize();
  status_->move((area_->width() - status_->width()) / 2, 4);
}

void qtwindow::quit() {
  quitting_ = true;
  timer1_.stop();
  QApplication::quit();
}

uint64_t qtwindow::timeofday() const {
  return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}
