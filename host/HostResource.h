// Resource and command ids of the host program.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_OMBUTIL_DIALOG 102
#define IDR_MAINFRAME 128
#define IDC_PLUGIN_FRAME 1000
// The About item of the system menu; system commands use the top 12 bits,
// so the id keeps the low 4 clear.
#define IDM_ABOUTBOX 0x0010
