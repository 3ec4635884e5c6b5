#include "shell/MenuMnemonics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <algorithm>

namespace {

// Where the marker goes: the first free letter that starts a word, else any free letter or
// digit; -1 when every one is taken.
qsizetype pickPosition(const QString& caption, const QSet<QChar>& used) {
  auto free = [&](qsizetype i) { return caption[i].isLetterOrNumber() && !used.contains(caption[i].toLower()); };
  for (qsizetype i = 0; i < caption.size(); ++i)
    if ((i == 0 || !caption[i - 1].isLetterOrNumber()) && free(i)) return i;
  for (qsizetype i = 0; i < caption.size(); ++i)
    if (free(i)) return i;
  return -1;
}

int distinctLetters(const QString& caption) {
  QSet<QChar> letters;
  for (QChar c : caption)
    if (c.isLetterOrNumber()) letters.insert(c.toLower());
  return static_cast<int>(letters.size());
}

void assignTo(const QList<QAction*>& actions) {
  // Captions with the fewest letters choose first, so a short one ("IF-MIB") is not left with
  // every letter taken by longer ones.
  QList<QAction*> order;
  for (QAction* action : actions)
    if (!action->isSeparator()) order << action;
  std::stable_sort(order.begin(), order.end(), [](QAction* a, QAction* b) {
    return distinctLetters(visibleCaption(a->text())) < distinctLetters(visibleCaption(b->text()));
  });
  QSet<QChar> used;
  for (QAction* action : order) {
    const QString plain = visibleCaption(action->text());
    const qsizetype at = pickPosition(plain, used);
    if (at >= 0) used.insert(plain[at].toLower());
    QString marked;
    for (qsizetype i = 0; i < plain.size(); ++i) {
      if (i == at) marked += QLatin1Char('&');
      marked += plain[i] == QLatin1Char('&') ? QStringLiteral("&&") : QString(plain[i]);
    }
    action->setText(marked);
    if (QMenu* sub = action->menu()) assignMnemonics(sub);
  }
}

}  // namespace

void assignMnemonics(QMenuBar* bar) { assignTo(bar->actions()); }
void assignMnemonics(QMenu* menu) { assignTo(menu->actions()); }

QString visibleCaption(const QString& text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

QChar mnemonicOf(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
    ++i;
  }
  return {};
}
