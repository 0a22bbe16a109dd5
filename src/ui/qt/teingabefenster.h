// TEingabefenster: the small modal window in which a tool asks for one
// value — a distance, a number of pieces, a name. A caption, the question,
// one edit field (with its label where the question names one), "&OK" and
// "A&bbrechen". The field starts with the proposed value selected, so typing
// replaces it.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace quarzel {

class TEingabefenster final : public QDialog {
  Q_OBJECT

 public:
  TEingabefenster(const QString& titel, const QString& frage, const QString& vorgabe, const QString& feldname,
                  QWidget* eltern = nullptr);

  QString text() const;

 private:
  QLineEdit* feld_ = nullptr;
};

}  // namespace quarzel
