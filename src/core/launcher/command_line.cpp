#include "core/launcher/command_line.h"

#include "core/config/numbers.h"
#include "core/text/text.h"

namespace vantrel {

const char* const kHelpTitle = "Unterst\xFCtzte Kommandozeilenparameter";

std::string helpText() {
  return "/? oder /help - Hilfe anzeigen\r\n"
         "/upd:cancel - Updatepr\xFC" "fung verhindert\r\n"
         "/upd:force - Updatepr\xFC" "fung erzwingen\r\n"
         "/upd:xxx - Updatepr\xFC" "fung alle xx Tage\r\n"
         "/upd:config - Konfigurationsdialog \xF6" "ffnen\r\n"
         "/upd:Debug - Systeminformationen anzeigen\r\n"
         "/upd:mode2 - einspielen des herunter geladenen Updates\r\n"
         "/upd:nostart - Zielanwendung nicht starten\r\n\r\n"
         "Beispiel: Vantrel /x /y /z /upd:force\r\n";
}

OptionSet parseCommandLine(const std::vector<std::string>& parameters, std::vector<std::string>& parameterList) {
  parameterList.emplace_back();
  std::string& collected = parameterList.back();
  std::vector<std::string> keywords;
  OptionSet options;

  for (std::size_t i = 0; i < parameters.size() && !parameters[i].empty(); ++i) {
    // Only the first parameter is lower-cased, and handed on so.
    std::string param = i == 0 ? toLowerAnsi(parameters[i]) : parameters[i];
    if (param.find("/?") != std::string::npos || param.find("/help") != std::string::npos) {
      options.flags |= kOptHelp;
      break;
    }
    if (param.find("/upd:") != std::string::npos) {
      keywords.push_back(replaceAll(param, "/upd:", ""));
    } else {
      collected += ' ';
      collected += param;
    }
  }

  for (const std::string& keyword : keywords) {
    if (keyword == "force") {
      options.flags |= kOptForce;
    } else if (keyword == "cancel") {
      options.flags |= kOptCancel;
    } else if (keyword == "config") {
      options.flags |= kOptConfig;
    } else if (keyword == "debug") {
      options.flags |= kOptDebug;
    } else if (keyword == "mode2") {
      options.flags |= kOptMode2 | kOptForce;
    } else if (keyword == "nostart") {
      options.flags |= kOptNoStart;
    } else {
      // A day count; when several are given, the last one accepted counts.
      std::int64_t days = textToInt(keyword);
      if (days >= 1 && days <= 255) {
        options.flags |= kOptIntervalGiven;
        options.intervalDays = static_cast<int>(days);
      }
    }
  }
  return options;
}

}  // namespace vantrel
