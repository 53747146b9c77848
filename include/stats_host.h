/* Host interface of the Stats plug-in: lets a host show the plug-in's dialogs and messages its
 * own way instead of the plug-in's default (real windows on Windows, a terminal form on Linux).
 * Both functions are exported under these plain C names. */
#ifndef STATS_HOST_H
#define STATS_HOST_H

#ifdef __cplusplus
extern "C" {
#endif

/* Template ids of the plug-in's two dialogs. */
#define STATS_DIALOG_CABRILLO_HEADER 101
#define STATS_DIALOG_SETUP 104

typedef struct StatsDialog StatsDialog;

/* One open modal dialog, valid only while the handler runs. */
struct StatsDialog {
    int templateId;        /* 101 or 104 */
    const char* caption;   /* the dialog's caption */
    int controlCount;      /* controls that carry a value */
    const int* controlIds; /* their ids, in the template's order */
    /* The control's text (a check box carries "0", "1" or "2"); null for an unknown id. */
    const char* (*getText)(StatsDialog* dialog, int controlId);
    /* Replaces the control's text; 1 when done, 0 for an unknown id or a null text. */
    int (*setText)(StatsDialog* dialog, int controlId, const char* text);
    void* state; /* the plug-in's own; not for the host */
};

/* Runs inside the export that opened the dialog; returns 1 for OK and 0 for any other close.
 * Combo boxes hold the text they opened with (a value that begins a list item, ignoring case,
 * shows as that item); the texts reach the plug-in only when the handler returns 1. */
typedef int (*StatsDialogHandler)(void* context, StatsDialog* dialog);

/* Receives what the plug-in would show in a message box. */
typedef void (*StatsMessageHandler)(void* context, const char* text, const char* caption);

/* A null handler restores the default. */
typedef void (*SetDialogHandlerFunction)(StatsDialogHandler handler, void* context);
typedef void (*SetMessageHandlerFunction)(StatsMessageHandler handler, void* context);

#ifdef __cplusplus
}
#endif

#endif
