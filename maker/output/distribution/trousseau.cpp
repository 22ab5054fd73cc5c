#include "distribution/trousseau.h"

#if LUMAVEIL_TROUSSEAU
#include <gio/gio.h>
#include <libsecret/secret.h>
#endif

#include <cstdlib>
#include <filesystem>

namespace lumaveil {

#if LUMAVEIL_TROUSSEAU

namespace {

const SecretSchema* Schema() {
  static const SecretSchema schema = {
      "org.vermalune.Lumaveil.Ftp",
      SECRET_SCHEMA_NONE,
      {{"server", SECRET_SCHEMA_ATTRIBUTE_STRING},
       {"user", SECRET_SCHEMA_ATTRIBUTE_STRING},
       {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
      0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
  return &schema;
}

// A session bus that already exists: its address is given, or the usual
// socket of the user's runtime directory is there. GLib would otherwise
// start one of its own.
bool BusDeSession() {
  if (const char* adresse = std::getenv("DBUS_SESSION_BUS_ADDRESS"); adresse && *adresse)
    return true;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::error_code erreur;
  return runtime && *runtime && std::filesystem::exists(std::string(runtime) + "/bus", erreur);
}

}  // namespace

bool TrousseauDisponible() {
  if (!BusDeSession()) return false;
  GError* erreur = nullptr;
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &erreur);
  if (!bus) {
    g_clear_error(&erreur);
    return false;
  }
  GVariant* reponse = g_dbus_connection_call_sync(
      bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
      g_variant_new("(s)", "org.freedesktop.secrets"), G_VARIANT_TYPE("(b)"),
      G_DBUS_CALL_FLAGS_NONE, 1000, nullptr, &erreur);
  gboolean present = FALSE;
  if (reponse) {
    g_variant_get(reponse, "(b)", &present);
    g_variant_unref(reponse);
  }
  g_clear_error(&erreur);
  g_object_unref(bus);
  return present;
}

bool RangeMotDePasse(const std::string& serveur, const std::string& utilisateur,
                     const std::string& motDePasse) {
  GError* erreur = nullptr;
  gboolean ok;
  if (motDePasse.empty()) {
    secret_password_clear_sync(Schema(), nullptr, &erreur, "server", serveur.c_str(), "user",
                               utilisateur.c_str(), nullptr);
    ok = erreur == nullptr;
  } else {
    const std::string libelle = "Lumaveil FTP password for " + utilisateur + "@" + serveur;
    ok = secret_password_store_sync(Schema(), SECRET_COLLECTION_DEFAULT, libelle.c_str(),
                                    motDePasse.c_str(), nullptr, &erreur, "server",
                                    serveur.c_str(), "user", utilisateur.c_str(), nullptr);
  }
  g_clear_error(&erreur);
  return ok;
}

std::optional<std::string> LitMotDePasse(const std::string& serveur,
                                         const std::string& utilisateur) {
  GError* erreur = nullptr;
  gchar* mot = secret_password_lookup_sync(Schema(), nullptr, &erreur, "server", serveur.c_str(),
                                           "user", utilisateur.c_str(), nullptr);
  g_clear_error(&erreur);
  if (!mot) return std::nullopt;
  std::string resultat(mot);
  secret_password_free(mot);
  return resultat;
}

#else

bool TrousseauDisponible() { return false; }
bool RangeMotDePasse(const std::string&, const std::string&, const std::string&) { return false; }
std::optional<std::string> LitMotDePasse(const std::string&, const std::string&) {
  return std::nullopt;
}

#endif

}  // namespace lumaveil
