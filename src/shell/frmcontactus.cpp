#include "shell/frmcontactus.h"

#include "framework/twips.h"
#include "shell/infoforms.h"
#include "shell/programlogo.h"

frmcontactus::frmcontactus() : MenuForm({.caption = QStringLiteral("                Contact Us"),
                                         .height = 4890, .width = 7785}) {
  SetInfoLabel(&Label2, QStringLiteral("Help/More Information about this product"), 11, true, 600, 720, 6600,
               360, "#8e3b52");
  MoveTwips(&imgsymbol, 720, 1500, 1200, 1200);
  imgsymbol.setPixmap(ProgramLogo(TwipsToPixels(1200)));
  SetInfoLabel(&lbltitle, QStringLiteral("Halvion"), 22, true, 2280, 1380, 4800, 600, "#8e3b52");
  SetInfoLabel(&Label1, QStringLiteral("Web : www.halvion.example"), 10, false, 2280, 2100, 5000, 300);
  SetInfoLabel(&Label3, QStringLiteral("E-mail : support@halvion.example"), 10, false, 2280, 2460, 5000, 300);
  SetInfoLabel(&lblVersion, QString::fromLatin1(kProgramVersionText), 10, true, 2280, 3120, 5000, 300);
  SetInfoLabel(&lblPlatform, QString::fromLatin1(kProgramPlatformText), 10, false, 2280, 3480, 5000, 300);
  PlaceMoviesAfterControls();
}
