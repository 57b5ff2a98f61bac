#include "core/gear/Affiliations.h"

namespace dk {

const std::vector<std::string>& affiliationChoices() {
  static const std::vector<std::string> values = {
      "Federated Commonwealth: Davion",
      "Federated Commonwealth: Steiner",
      "The Draconis Combine",
      "The Rasalhague Free Republic",
      "The Capellan Confederation",
      "The Free Worlds League",
      "St.Ives Compact",
      "Magistracy of Canopus",
      "Outworlds Alliance",
      "Taurian Concordat",
      "Periphery Independant",
      "Bandit Kingdoms",
      "Comstar",
      "Mercenary",
      "The Clan Wolf",
      "The Clan Nova Cat",
      "The Clan Smoke Jaguars",
      "The Clan Ghost Bear",
      "The Clan Diamond Sharks",
      "The Clan Wolverine",
      "The Clan Jade Falcon",
      "The Clan Ice Hell's Horses",
      "The Clan Steel Viper",
      "The Clan Coyote",
      "The Clan Widowmaker",
      "The Clan Mandrill",
      "The Clan Burrock",
      "The Clan Fox",
      "The Clan Snow Raven",
      "The Clan Punisher",
      "The Clan Star Adder",
      "The Clan Mongoose",
      "The Clan Hellion",
      "The Clan Cloud Cobra",
  };
  return values;
}

const std::vector<std::string>& sexChoices() {
  static const std::vector<std::string> values = {"Male", "Female"};
  return values;
}

}  // namespace dk
