#include "cli/arguments.h"

namespace cantiva::cli {

Arguments::Arguments(const std::vector<std::string>& args,
                     const std::set<std::string>& valueOptions,
                     const std::set<std::string>& flags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.starts_with("--")) {
            std::string name = a;
            std::optional<std::string> inlineValue;
            if (auto eq = a.find('='); eq != std::string::npos) {
                name = a.substr(0, eq);
                inlineValue = a.substr(eq + 1);
            }
            if (valueOptions.count(name)) {
                if (!inlineValue) {
                    if (i + 1 >= args.size())
                        throw UsageError("option " + name + " needs a value");
                    inlineValue = args[++i];
                }
                values_[name] = *inlineValue;
            } else if (flags.count(name) && !inlineValue) {
                flags_.insert(name);
            } else {
                throw UsageError("unknown option " + a);
            }
        } else if (a == "-" || !a.starts_with("-")) {
            if (file_)
                throw UsageError("more than one input file");
            file_ = a;
        } else {
            throw UsageError("unknown option " + a);
        }
    }
}

std::optional<std::string> Arguments::value(const std::string& name) const {
    if (auto it = values_.find(name); it != values_.end())
        return it->second;
    return std::nullopt;
}

std::string Arguments::valueOr(const std::string& name, const std::string& fallback) const {
    return value(name).value_or(fallback);
}

} // namespace cantiva::cli
