#pragma once

// The calendar engine in one include: molad and season times, the year
// calculator, conversions, festivals, portions, anniversaries and the name
// tables, English and Hebrew. No part of it depends on a window toolkit.

#include "engine/Anniversary.h"
#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "engine/EngineMessage.h"
#include "engine/Festivals.h"
#include "engine/GregorianDateText.h"
#include "engine/HebrewDateText.h"
#include "engine/HebrewNames.h"
#include "engine/HebrewNumeral.h"
#include "engine/JewishYear.h"
#include "engine/MoladTime.h"
#include "engine/NameTables.h"
#include "engine/Portions.h"
#include "engine/SeasonTime.h"
