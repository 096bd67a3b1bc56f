#include "shell/frmAboutme.h"

#include "framework/twips.h"
#include "shell/infoforms.h"
#include "shell/programlogo.h"

frmAboutme::frmAboutme() : MenuForm({.caption = QStringLiteral("                About Me"),
                                     .height = 5565, .width = 7095}) {
  MoveTwips(&imgsymbol, 600, 900, 1200, 1200);
  imgsymbol.setPixmap(ProgramLogo(TwipsToPixels(1200)));
  SetInfoLabel(&lbltitle, QStringLiteral("Halvion"), 22, true, 2100, 1200, 4500, 600, "#8e3b52");
  SetInfoLabel(&Label1, QStringLiteral("A tool for hospitals and similar establishments:"), 10, false, 600,
               2400, 6200, 300);
  SetInfoLabel(&Label2, QStringLiteral("quick retrieval of past patient history, and billing"), 10, false, 600,
               2730, 6200, 300);
  SetInfoLabel(&Label3, QStringLiteral("customised to the needs of each patient."), 10, false, 600, 3060, 6200,
               300);
  SetInfoLabel(&Label5, QStringLiteral("Supplied by Halvion Software Services"), 10, true, 600, 3600, 6200, 300);
  SetInfoLabel(&lblVersion, QString::fromLatin1(kProgramVersionText), 10, true, 600, 4140, 6200, 300);
  SetInfoLabel(&lblPlatform, QString::fromLatin1(kProgramPlatformText), 10, false, 600, 4470, 6200, 300);
  PlaceMoviesAfterControls();
}
