#pragma once

#include <string>
#include <vector>

namespace bench {

// Word tables the sample rows are made of. Every entry is UTF-8.
struct Vocabulary {
    std::vector<std::string> surnames;     // one character each
    std::vector<std::string> givenChars;   // one character each
    std::vector<std::string> brandChars;   // one character each, for company names
    std::vector<std::string> cities;       // parallel to areaCodes
    std::vector<std::string> areaCodes;
    std::vector<std::string> districts;
    std::vector<std::string> roads;
    std::vector<std::string> industries;   // short, used inside company names
    std::vector<std::string> sectors;      // customer's line of business
    std::vector<std::string> departments;
    std::vector<std::string> jobTitles;
    std::vector<std::string> sources;
    std::vector<std::string> statuses;
    std::vector<std::string> regions;
    std::vector<std::string> remarks;
    std::vector<std::string> phrases;      // pieces of a description
    std::vector<std::string> banks;
    std::vector<std::string> mailDomains;
    std::vector<std::string> mobilePrefixes;

    static const Vocabulary &get();
};

} // namespace bench
