#pragma once

#include <QString>
#include <QWidget>

// Speaks for the table: a widget never shown on screen whose accessible interface is a
// notification. Each say() shows it to assistive technology with new words, which a screen
// reader speaks whatever has the focus.
class Announcer : public QWidget {
  public:
    explicit Announcer(QWidget* parent);

    void say(const QString& words);
    const QString& words() const { return words_; }

  private:
    QString words_;
};
