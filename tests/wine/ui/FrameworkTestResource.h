// Resources of the window framework's tests.
#pragma once

#define IDD_FRAMEWORK_TEST 200
#define IDS_APP_TITLE 57344
#define IDC_NAME 1001
#define IDC_ENABLED 1002
#define IDC_LABEL 1003
#define IDC_BUTTON 1004
#define IDC_MISSING 1099
