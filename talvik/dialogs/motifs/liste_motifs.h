// The pattern list of the border and background editors: one item per
// pattern of the bank, in bank order, showing the pattern's 40 x 40
// thumbnail and its 1-based number on two digits ("01" ... "09", "10" ...).
// Item k always stands for pattern number k. Also the two user-pattern
// commands that both editors share: adding a pattern from a picture file
// and deleting a user pattern, with the list kept in step with the bank.
#pragma once

#include <QListWidget>

namespace talvik {

class CGraphique;

// Label of pattern n: n + 1 formatted "%2d" with the space as "0".
QString LibelleMotif(int n);

class ListeMotifs : public QListWidget {
  Q_OBJECT

 public:
  explicit ListeMotifs(const QString& nomAccessible, QWidget* parent = nullptr);

  // One item per pattern of the bank: 50 built-in ones, then the user's.
  void Remplit(const CGraphique& graphique);
  // Selects item n, gives it the focus mark and scrolls it into view;
  // n outside the list clears the selection.
  void Selectionne(int n);
  // The selected item's number, or -1.
  int Selection() const;

  // Appends the item of pattern n (just added to the bank).
  void AjouteMotif(const CGraphique& graphique, int n);
  // Removes item n (just removed from the bank); each later item k then
  // shows label k + 1 and thumbnail k again.
  void RetireMotif(const CGraphique& graphique, int n);

 protected:
  // Once laid out at its shown size, the list puts the selected item's row
  // (or the first row) at the top, so that no row is cut by the edge.
  void showEvent(QShowEvent* event) override;
};

// Asks for a picture file (filter index kept in nFiltre, 1-based, 0 for
// the first) and adds it to the bank as the next user pattern. On success
// the new item is appended and its number returned; on failure (or when
// the user cancels) -1, with the message "Unable to add pattern.\nUser
// pattern number is too big \nor invalid file." when the bank refused it.
int AjouteMotifUtilisateur(QWidget* parent, CGraphique& graphique, ListeMotifs& liste,
                           int& nFiltre);

// Deletes user pattern nMotif from the bank and the list. Returns the
// number to select afterwards: the same number, now holding the next
// pattern, or the previous number when the last item was deleted. -1 when
// nothing changed: no selection (an error beep), or a built-in pattern
// ("Unable to delete pattern.\nYou can only delete user pattern.").
int EffaceMotifUtilisateur(QWidget* parent, CGraphique& graphique, ListeMotifs& liste,
                           int nMotif);

}  // namespace talvik
