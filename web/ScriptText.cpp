#include "web/ScriptText.h"

#include <utility>

const char* Answer(std::string text)
{
    static std::string answer;
    answer = std::move(text);
    return answer.c_str();
}
