// Messages the library shows to the user (load failures, codec errors).
//
// A message is a value (MessageUtilisateur) that carries its designed
// string id. It is shown through one hook: the GUI installs one that shows
// a message box on its own thread (a message sent from another thread
// waits there until the GUI thread has shown it); command-line programs
// keep the default, which writes to standard error.
//
// Work that runs on another thread while the user interface's thread waits
// for it (generation renders on a thread of its own) holds a
// CMessagesRetenus while it works: the messages raised there are kept, in
// order, handed over with the work's result, and shown by the owner on its
// thread (for generation, through IDialogue). Such a thread never waits
// on the user interface, so the two cannot block each other.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace talvik {

enum class IconeMessage { Erreur, Attention, Information, Question };

struct MessageUtilisateur {
  unsigned id = 0;           // designed string id; 0 for a text fixed outside the tables
  std::string texte;         // the designed text, exactly
  std::string titre;         // the caption
  IconeMessage icone = IconeMessage::Erreur;
  std::string fichier;       // the file the message is about; "" when none

  // One line for standard error: "caption: text", then ": file" when the
  // message names one.
  std::string Ligne() const;
  bool operator==(const MessageUtilisateur&) const = default;
};

// Returns what the user answered: 1 (OK / Yes), 0 (No / Cancel).
using MessageHook =
    std::function<int(const std::string& texte, const std::string& titre, IconeMessage icone)>;

// Installs a hook; an empty function restores the default. Returns the
// previous one. The hook may be called from any thread that holds no
// CMessagesRetenus: it takes the message to its user interface's thread.
MessageHook InstalleMessageHook(MessageHook hook);

// Shows a message: kept by the innermost CMessagesRetenus of the calling
// thread when there is one (returns 1); else through the hook; else on
// standard error (returns 1).
int AfficheMessage(const MessageUtilisateur& message);
// The same for a text without a designed id.
int AfficheMessage(const std::string& texte, const std::string& titre,
                   IconeMessage icone = IconeMessage::Erreur);

// Keeps the messages raised on the calling thread for its lifetime.
// Objects nest: the innermost one keeps them. Not to be shared between
// threads.
class CMessagesRetenus {
 public:
  CMessagesRetenus();
  ~CMessagesRetenus();
  CMessagesRetenus(const CMessagesRetenus&) = delete;
  CMessagesRetenus& operator=(const CMessagesRetenus&) = delete;

  // The messages kept so far, in the order they were raised; the list is
  // emptied.
  std::vector<MessageUtilisateur> Prend();

 private:
  friend int AfficheMessage(const MessageUtilisateur& message);
  std::vector<MessageUtilisateur> messages_;
  CMessagesRetenus* englobant_;
};

}  // namespace talvik
