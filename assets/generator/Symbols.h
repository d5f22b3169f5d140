#pragma once
// The white symbols of the launcher icons, one function each. Every symbol is
// drawn in the 0..100 design space and stays roughly inside 16..84, with
// strokes at least 7 units wide so that it still reads at 45 pixels.
#include "IconFrame.h"

namespace tarvo::pictures {

using SymbolFunction = Mask (*)(const SymbolCanvas&);

// The portal's own tools (SymbolsTools.cpp).
Mask SearchSymbol(const SymbolCanvas& c);
Mask HotVideoSymbol(const SymbolCanvas& c);
Mask NetTvSymbol(const SymbolCanvas& c);
Mask JokeSymbol(const SymbolCanvas& c);
Mask NetCloudSymbol(const SymbolCanvas& c);
Mask ClockSymbol(const SymbolCanvas& c);
Mask SettingsSymbol(const SymbolCanvas& c);
Mask ExitSymbol(const SymbolCanvas& c);
Mask LogoSymbol(const SymbolCanvas& c);

// The phone's programs (SymbolsPhone.cpp).
Mask PhoneSymbol(const SymbolCanvas& c);
Mask MessageSymbol(const SymbolCanvas& c);
Mask ContactsSymbol(const SymbolCanvas& c);
Mask FolderSymbol(const SymbolCanvas& c);
Mask CameraSymbol(const SymbolCanvas& c);
Mask TaskManagerSymbol(const SymbolCanvas& c);
Mask RadioSymbol(const SymbolCanvas& c);
Mask BroadcastSymbol(const SymbolCanvas& c);
Mask FlashlightSymbol(const SymbolCanvas& c);
Mask SpeakerSymbol(const SymbolCanvas& c);
Mask ProgramSymbol(const SymbolCanvas& c);

// Office programs (SymbolsOffice.cpp).
Mask WordSymbol(const SymbolCanvas& c);
Mask ExcelSymbol(const SymbolCanvas& c);
Mask PowerPointSymbol(const SymbolCanvas& c);
Mask OneNoteSymbol(const SymbolCanvas& c);
Mask EmailSymbol(const SymbolCanvas& c);
Mask CalculatorSymbol(const SymbolCanvas& c);
Mask CalendarSymbol(const SymbolCanvas& c);
Mask TasksSymbol(const SymbolCanvas& c);

}  // namespace tarvo::pictures
