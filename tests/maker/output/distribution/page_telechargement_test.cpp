#include "distribution/page_telechargement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "dossier_temporaire.h"
#include "serveur_ftp.h"

namespace lumaveil {
namespace {

using testing::ContenuFichier;
using testing::TempDir;

TEST(PageTelechargement, EveryPlaceholderIsReplacedOnceAndLineEndsStay) {
  const std::string modele =
      "<h1>**SCREENSAVERNAME**</h1> and **SCREENSAVERNAME**\r\n"
      "<a href=\"**SCREENSAVERNFILEAME**\">**SCREENSAVERNFILEAME**</a>\n"
      "**SCREENSAVERNAME*\n";
  EXPECT_EQ(RemplitPage(modele, "summer", "summer.scr"),
            "<h1>summer</h1> and summer\r\n"
            "<a href=\"summer.scr\">summer.scr</a>\n"
            "**SCREENSAVERNAME*\n");
}

TEST(PageTelechargement, NameIsEscapedForHtmlAndFileForLinks) {
  // A name with markup cannot inject into the page; a file name with
  // spaces, quotes or non-ASCII letters still links to the file.
  EXPECT_EQ(RemplitPage("<p title=\"**SCREENSAVERNAME**\">**SCREENSAVERNAME**</p>",
                        "<b>Tom & \"Jerry's\"</b>", "x"),
            "<p title=\"&lt;b&gt;Tom &amp; &quot;Jerry&#39;s&quot;&lt;/b&gt;\">"
            "&lt;b&gt;Tom &amp; &quot;Jerry&#39;s&quot;&lt;/b&gt;</p>");
  EXPECT_EQ(RemplitPage("href=\"**SCREENSAVERNFILEAME**\"", "n", "été 2026 \"x\".scr"),
            "href=\"%C3%A9t%C3%A9%202026%20%22x%22.scr\"");
  // A name holding a placeholder is text, not a second placeholder.
  EXPECT_EQ(RemplitPage("**SCREENSAVERNAME**", "**SCREENSAVERNFILEAME**", "f.scr"),
            "**SCREENSAVERNFILEAME**");
}

TEST(PageTelechargement, LinksOnlyTheSaversThereAreAndPlaysTheWindowsOneFirst) {
  const std::string modele =
      "<div data-src=\"**PLAYEDSAVERFILENAME**\"></div>\n"
      "  <a href=\"**SCREENSAVERNFILEAME**\">Windows</a>\r\n"
      "  <a href=\"**LINUXSAVERFILENAME**\">Linux</a>\n"
      "**PLAYERSCRIPT**";
  ContenuPage contenu;
  contenu.nomBase = "s";
  contenu.fichierLinux = "my saver";
  EXPECT_EQ(RemplitPage(modele, contenu),
            "<div data-src=\"my%20saver\"></div>\n"
            "  <a href=\"my%20saver\">Linux</a>\n"
            "<script type=\"module\">\nimport { mountPlayers } from './lumaveil_page.js';\n"
            "mountPlayers(document);\n</script>");
  contenu.fichierWindows = "s.scr";
  contenu.moduleEnLigne = "export const a = '<b>';";
  EXPECT_EQ(RemplitPage(modele, contenu),
            "<div data-src=\"s.scr\"></div>\n"
            "  <a href=\"s.scr\">Windows</a>\r\n"
            "  <a href=\"my%20saver\">Linux</a>\n"
            "<script type=\"module\">\nexport const a = '<b>';\nmountPlayers(document);\n</script>");
  // A source that would close the element early is loaded from its file.
  EXPECT_EQ(ScriptLecteur("s = '</SCRIPT>';"),
            "<script type=\"module\">\nimport { mountPlayers } from './lumaveil_page.js';\n"
            "mountPlayers(document);\n</script>");
}

// Inside the page the player comes first and the page module loses its
// import of it; a page module that does not import it that way is loaded
// from its file.
TEST(PageTelechargement, ModulesInsideThePageAreThePlayerThenThePageWithoutItsImport) {
  EXPECT_EQ(ModulesEnLigne("export const p = 1;",
                           "// page\r\nimport { p } from './lumaveil_player.js';\r\nuse(p);\n"),
            "export const p = 1;\n// page\r\nuse(p);\n");
  for (const char* page : {"use(p);\n", "import { p } from './other.js';\n",
                           "// import { p } from './lumaveil_player.js';\n",
                           "import { p } from './lumaveil_player.js'; use(p);\n"})
    EXPECT_EQ(ModulesEnLigne("export const p = 1;", page), "") << page;
}

TEST(PageTelechargement, ShippedTemplateGivesAWholePageInAFileOfItsOwn) {
  const std::string modele = std::string(LUMAVEIL_BIN_DIR) + "/Page.html";
  std::string chemin;
  {
    CPageTemporaire page;
    ASSERT_EQ(page.Fabrique(modele, "Summer <2026>", "summer 2026.scr"), 1);
    chemin = page.Chemin();
    const std::string html = ContenuFichier(chemin);
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(html.find("name=\"viewport\""), std::string::npos);
    EXPECT_NE(html.find("Summer &lt;2026&gt;"), std::string::npos);
    EXPECT_NE(html.find("href=\"summer%202026.scr\""), std::string::npos);
    EXPECT_NE(html.find("data-lumaveil-saver data-src=\"summer%202026.scr\" "
                        "data-name=\"Summer &lt;2026&gt;\""),
              std::string::npos);
    EXPECT_EQ(html.find("Download for Linux"), std::string::npos);
    EXPECT_EQ(html.find("**"), std::string::npos);
    EXPECT_NE(html.find("</html>"), std::string::npos);
    // Two pages at once never share a file.
    CPageTemporaire autre;
    ASSERT_EQ(autre.Fabrique(modele, "b", "b.scr"), 1);
    EXPECT_NE(autre.Chemin(), chemin);
  }
  EXPECT_FALSE(std::filesystem::exists(chemin));
}

// The shipped page in each language the maker speaks: its lang attribute
// (the web player reads it) and none of the designed English texts left;
// a language without wording keeps the English page.
class PageEnLangue : public ::testing::TestWithParam<const char*> {};

TEST_P(PageEnLangue, TheShippedPageSpeaksTheMakersLanguage) {
  std::ifstream lu(std::string(LUMAVEIL_BIN_DIR) + "/Page.html", std::ios::binary);
  const std::string modele((std::istreambuf_iterator<char>(lu)), std::istreambuf_iterator<char>());
  ASSERT_NE(modele.find("<html lang=\"en\">"), std::string::npos);
  ContenuPage contenu;
  contenu.nomBase = "Sommer";
  contenu.fichierWindows = "sommer.scr";
  contenu.fichierLinux = "sommer";
  contenu.langue = GetParam();
  const std::string html = RemplitPage(modele, contenu);
  EXPECT_NE(html.find(std::string("<html lang=\"") + GetParam() + "\">"), std::string::npos);
  for (const char* anglais :
       {"A screen saver made with Lumaveil", "Download for Windows", "Download for Linux",
        "Save the file, then install", "The screen saver installs", "Made with <a", "by Vermalune",
        "aria-label=\"Download\"", "– screen saver"})
    EXPECT_EQ(html.find(anglais), std::string::npos) << GetParam() << ": " << anglais;
  EXPECT_NE(html.find("href=\"sommer.scr\""), std::string::npos);
  EXPECT_NE(html.find("https://www.vermalune.org/lumaveil/"), std::string::npos);
  contenu.langue = "pt";
  EXPECT_EQ(RemplitPage(modele, contenu), RemplitPage(modele, [&] {
              ContenuPage anglais = contenu;
              anglais.langue = "en";
              return anglais;
            }()));
}

INSTANTIATE_TEST_SUITE_P(Langues, PageEnLangue, ::testing::Values("fr", "de", "es"));

TEST(PageTelechargement, MissingTemplateMakesNoFile) {
  TempDir dir;
  CPageTemporaire page;
  EXPECT_EQ(page.Fabrique(dir.File("Page.html"), "a", "a.scr"), 0);
  EXPECT_TRUE(page.Chemin().empty());
}

}  // namespace
}  // namespace lumaveil
