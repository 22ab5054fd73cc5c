#include "parametres.h"

#include "registre.h"

namespace lumaveil {

int LitParametres(ParametresApplication& p) {
  talvik::CBaseRegistre registre;
  if (!registre.OuvreLecture(kNomApplication, "")) return 0;
  registre.Lecture("ServerName", p.ServerName);
  registre.Lecture("PortNumber", p.PortNumber);
  registre.Lecture("PassiveMode", p.PassiveMode);
  registre.Lecture("UserName", p.UserName);
  registre.Lecture("Password", p.Password);
  registre.Lecture("ServerDirectory", p.ServerDirectory);
  registre.Lecture("WebPageCreating", p.WebPageCreating);
  registre.Lecture("JPEGQuality", p.JPEGQuality);
  registre.Lecture("MailCompression", p.MailCompression);
  registre.Lecture("StartWizard", p.StartWizard);
  registre.Ferme();
  return 1;
}

int EcritParametres(const ParametresApplication& p) {
  talvik::CBaseRegistre registre;
  if (!registre.OuvreEcriture(kNomApplication, "")) return 0;
  registre.Ecriture("ServerName", p.ServerName);
  registre.Ecriture("PortNumber", p.PortNumber);
  registre.Ecriture("PassiveMode", p.PassiveMode);
  registre.Ecriture("UserName", p.UserName);
  registre.Ecriture("Password", p.Password);
  registre.Ecriture("ServerDirectory", p.ServerDirectory);
  registre.Ecriture("WebPageCreating", p.WebPageCreating);
  registre.Ecriture("JPEGQuality", p.JPEGQuality);
  registre.Ecriture("MailCompression", p.MailCompression);
  registre.Ecriture("StartWizard", p.StartWizard);
  return registre.Ferme();
}

}  // namespace lumaveil
