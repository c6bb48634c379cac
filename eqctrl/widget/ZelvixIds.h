// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

// The fixed identities of the Zelvix control: the numbers a host uses to address its members
// and events, and the class and library identifiers it is registered under.

// Members of the dispatch interface _DZelvix.
inline constexpr int kDispIdReadOnly = 1;
inline constexpr int kDispIdEquation = 2;
inline constexpr int kDispIdIsEquationOK = 3;
inline constexpr int kDispIdGetFirstError = 4;
inline constexpr int kDispIdGetNextError = 5;
inline constexpr int kDispIdIsReadOnly = 6;
inline constexpr int kDispIdAboutBox = -552;

// Events of the event interface _DZelvixEvents.
inline constexpr int kEventIdShowMessage = 1;
inline constexpr int kEventIdClearMessage = 2;
inline constexpr int kEventIdKeyDown = -602;
inline constexpr int kEventIdKeyPress = -603;
inline constexpr int kEventIdMouseDown = -605;

// Identifiers.
inline constexpr const char* kZelvixTypeLibName = "ZELVIXLib";
inline constexpr const char* kZelvixTypeLibHelpString = "Zelvix ActiveX Control module";
inline constexpr const char* kZelvixTypeLibHelpFile = "Zelvix.hlp";
inline constexpr int kZelvixTypeLibVersionMajor = 1;
inline constexpr int kZelvixTypeLibVersionMinor = 0;
inline constexpr int kZelvixTypeLibLocale = 1033;
inline constexpr const char* kZelvixTypeLibId = "{5E21A0C5-7F3B-4C2A-9D41-2B7C8E10A3F1}";
inline constexpr const char* kZelvixDispatchName = "_DZelvix";
inline constexpr const char* kZelvixDispatchHelp = "Dispatch interface for Zelvix Control";
inline constexpr const char* kZelvixDispatchId = "{5E21A0C6-7F3B-4C2A-9D41-2B7C8E10A3F1}";
inline constexpr const char* kZelvixEventsName = "_DZelvixEvents";
inline constexpr const char* kZelvixEventsHelp = "Event interface for Zelvix Control";
inline constexpr const char* kZelvixEventsId = "{5E21A0C7-7F3B-4C2A-9D41-2B7C8E10A3F1}";
inline constexpr const char* kZelvixCtrlName = "Zelvix Control";
inline constexpr const char* kZelvixCtrlProgId = "ZELVIX.ZelvixCtrl.1";
inline constexpr const char* kZelvixCtrlClassId = "{5E21A0C8-7F3B-4C2A-9D41-2B7C8E10A3F1}";
inline constexpr const char* kZelvixPropPageName = "Zelvix Property Page";
inline constexpr const char* kZelvixPropPageProgId = "ZELVIX.ZelvixPropPage.1";
inline constexpr const char* kZelvixPropPageClassId = "{5E21A0C9-7F3B-4C2A-9D41-2B7C8E10A3F1}";

// Status bits: recompose on resize, can't link inside, inside-out, activate when visible, set
// client site first.
inline constexpr unsigned kZelvixMiscStatus = 0x20191;

// Commands of the context menu.
inline constexpr int kCommandInsertPower = 32769;
inline constexpr int kCommandInsertFraction = 32770;
inline constexpr int kCommandUndo = 32771;
inline constexpr int kCommandRedo = 32772;
inline constexpr int kCommandCut = 32773;
inline constexpr int kCommandCopy = 32774;
inline constexpr int kCommandCopyAsLatex = 32775;
inline constexpr int kCommandPaste = 32776;
inline constexpr int kCommandSelectAll = 32777;

// Members added to _DZelvix after the first six, in dispatch order.
inline constexpr int kDispIdUndo = 7;
inline constexpr int kDispIdRedo = 8;
inline constexpr int kDispIdCut = 9;
inline constexpr int kDispIdCopy = 10;
inline constexpr int kDispIdCopyAsLatex = 11;
inline constexpr int kDispIdPaste = 12;
inline constexpr int kDispIdSelectAll = 13;
inline constexpr int kDispIdCanUndo = 14;
inline constexpr int kDispIdCanRedo = 15;
inline constexpr int kDispIdSelectedEquation = 16;
inline constexpr int kDispIdEquationInWords = 17;
inline constexpr int kDispIdPlainText = 18;
inline constexpr int kDispIdLatex = 19;
inline constexpr int kDispIdClearUndo = 20;
inline constexpr int kDispIdStackedDivisions = 21;
inline constexpr int kEventIdSelectionChanged = 3;

// Clipboard formats: the equation text itself, LaTeX beside the ordinary plain text.
inline constexpr const char* kZelvixEquationMimeType = "application/x-zelvix-equation";
inline constexpr const char* kZelvixLatexMimeType = "text/x-latex";

// Key codes the KeyDown event reports, the platform's virtual-key numbers.
inline constexpr short kKeyCodeLeft = 37;
inline constexpr short kKeyCodeRight = 39;
inline constexpr short kKeyCodeDelete = 46;
inline constexpr short kKeyCodeHome = 36;
inline constexpr short kKeyCodeEnd = 35;
inline constexpr short kKeyCodeInsert = 45;

// KeyDown / MouseDown Shift bits and MouseDown buttons.
inline constexpr short kShiftMaskShift = 1;
inline constexpr short kShiftMaskCtrl = 2;
inline constexpr short kShiftMaskAlt = 4;
inline constexpr short kButtonLeft = 1;
inline constexpr short kButtonRight = 2;
inline constexpr short kButtonMiddle = 4;
