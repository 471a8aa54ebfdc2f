// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score list: the entries to choose from, and "Watch" for the chosen entry's replay.
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qtwindow.h"
#include "platform/texts.h"

std::optional<size_t> qtwindow::showscores(const std::string& heading,
                                           const std::vector<std::string>& entries,
                                           const std::vector<bool>& watchable) {
  QDialog list(this);
  list.setWindowTitle(QString::fromStdString(say("scores", "Vovov Kubrix 3d - High Scores")));
  auto* layout = new QVBoxLayout(&list);
  auto* title = new QLabel(QString::fromStdString(heading).trimmed(), &list);
  title->setTextFormat(Qt::PlainText);
  layout->addWidget(title);
  auto* lines = new QListWidget(&list);
  lines->setObjectName("entries");
  // Names are shown as typed: a list item is never taken for markup.
  for (const std::string& entry : entries) lines->addItem(QString::fromStdString(entry));
  layout->addWidget(lines);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &list);
  QPushButton* watch = buttons->addButton(QString::fromStdString(say("scores", "Watch")),
                                          QDialogButtonBox::AcceptRole);
  watch->setEnabled(false);
  layout->addWidget(buttons);
  QObject::connect(lines, &QListWidget::currentRowChanged, watch, [&](int row) {
    watch->setEnabled(row >= 0 && static_cast<size_t>(row) < watchable.size() && watchable[row]);
  });
  QObject::connect(buttons, &QDialogButtonBox::accepted, &list, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &list, &QDialog::reject);
  const bool chosen = list.exec() == QDialog::Accepted && watch->isEnabled();
  repaintwhole();
  if (!chosen) return std::nullopt;
  return static_cast<size_t>(lines->currentRow());
}
