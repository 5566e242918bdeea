/* Identifiers of the calculator's resources, shared by the resource script and the dialog
 * code.  The window's control identifiers are fixed by vlm/calc/layout.hpp; the dialog code
 * checks at compile time that the numbers here agree with it. */
#ifndef VLMCALC_RESOURCE_H
#define VLMCALC_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

/* Dialogs, menu, icon. */
#define IDD_CALCULATOR 100
#define IDD_DIGITS 102
#define IDD_ABOUT 103
#define IDR_MENU 104
#define IDI_CALCULATOR 105

/* Menu commands. */
#define IDM_EXIT 40001
#define IDM_RANGE_CHECK 40002
#define IDM_DIGITS 40003
#define IDM_ABOUT 40004

/* Argument area. */
#define IDC_GROUP_BOX 1000
#define IDC_ARGUMENT1_LABEL 1001
#define IDC_ARGUMENT1_EDIT 1002
#define IDC_ARGUMENT2_LABEL 1003
#define IDC_ARGUMENT2_EDIT 1004
#define IDC_ARGUMENT1_UPDOWN 1005
#define IDC_ARGUMENT2_UPDOWN 1006
#define IDC_ARGUMENT1_UNIT 1007
#define IDC_ARGUMENT2_UNIT 1008
#define IDC_MODE_TABS 1010
#define IDC_PHASE_TABS 1019

/* Result rows: label, value, unit list. */
#define IDC_V_LABEL 1009
#define IDC_V_VALUE 1011
#define IDC_V_UNIT 1012
#define IDC_TC_LABEL 1013
#define IDC_TC_VALUE 1014
#define IDC_TC_UNIT 1015
#define IDC_S_LABEL 1016
#define IDC_S_VALUE 1017
#define IDC_S_UNIT 1018
#define IDC_H_LABEL 1022
#define IDC_H_VALUE 1023
#define IDC_H_UNIT 1024
#define IDC_U_LABEL 1025
#define IDC_U_VALUE 1026
#define IDC_U_UNIT 1027
#define IDC_CP_LABEL 1028
#define IDC_CP_VALUE 1029
#define IDC_CP_UNIT 1030
#define IDC_CV_LABEL 1031
#define IDC_CV_VALUE 1032
#define IDC_CV_UNIT 1033
#define IDC_W_LABEL 1034
#define IDC_W_VALUE 1035
#define IDC_W_UNIT 1036
#define IDC_DV_LABEL 1037
#define IDC_DV_VALUE 1038
#define IDC_DV_UNIT 1039
#define IDC_KV_LABEL 1043
#define IDC_KV_VALUE 1044
#define IDC_KV_UNIT 1045
#define IDC_PRANDTL_LABEL 1046
#define IDC_PRANDTL_VALUE 1047
#define IDC_ST_LABEL 1049
#define IDC_ST_VALUE 1050
#define IDC_ST_UNIT 1051
#define IDC_R_LABEL 1052
#define IDC_R_VALUE 1053
#define IDC_R_UNIT 1054
#define IDC_PS_LABEL 1055
#define IDC_PS_VALUE 1056
#define IDC_PS_UNIT 1057

/* About box: the version line. */
#define IDC_ABOUT_VERSION 1100

/* Digit-count dialog. */
#define IDC_DIGIT_COUNT 1020

/* System-menu item of the about box. */
#define IDM_SYSTEM_ABOUT 16

/* String table. */
#define IDS_SYSTEM_ABOUT 101

#endif
