/* Numbers of the saver's resources and of the dialogs' controls, shared by the
   resource script and the code (plain macros: the resource compiler reads them). */
#ifndef TARNOVELLE_RESOURCE_IDS_H
#define TARNOVELLE_RESOURCE_IDS_H

#define DIALOG_CONFIGURATION 101
#define DIALOG_HELP 102
#define ICON_SAVER 104

/* Dialog 101. OK and Cancel are IDOK (1) and IDCANCEL (2). */
#define CONTROL_PREVIEW 3
#define CONTROL_MAIN_SEED 1002
#define CONTROL_RESOLUTION 1003
#define CONTROL_WAVES 1004
#define CONTROL_MORPH_SPEED_BOX 1005
#define CONTROL_ROUGHNESS_BOX 1006
#define CONTROL_COLOR_CYCLING 1007
#define CONTROL_SONG_PATH 1008
#define CONTROL_BROWSE 1009
#define CONTROL_HELP 1012
#define CONTROL_ROUGHNESS_BAR 1013
#define CONTROL_MORPH_SPEED_BAR 1014
#define CONTROL_LAST_SEED 1015
#define CONTROL_WEB 1016

/* The maker's home page, and the text the web button shows for it: a
   placeholder address of our own until there is a real one (no .example
   domain can ever belong to anybody). */
#define MAKER_HOME_PAGE "http://hollisfernby.example/"
#define MAKER_HOME_PAGE_TEXT "hollisfernby.example"

#endif
