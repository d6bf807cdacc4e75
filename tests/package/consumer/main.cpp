// A product's view of the library: it offers its eight classes by identifier, and its
// runtime conversions work as the product's scripts expect.

#include <iostream>
#include <set>
#include <string>

#include "core/vb.h"
#include "plugin/registration.h"

int main() {
  std::set<std::string> identifiers;
  int withFactory = 0;
  qorarap::RegisterPluginClasses(
      [&](const std::string& progId, std::function<qor::ObjectPtr()> factory) {
        identifiers.insert(progId);
        if (factory) ++withFactory;
      });
  bool ok = identifiers.size() == 8 && withFactory == 8 &&
            identifiers.count("QORARAPBillInterface.clsInvoice") == 1 &&
            qor::Val("12.5 kg") == 12.5;
  for (const std::string& identifier : identifiers) std::cout << identifier << '\n';
  std::cout << (ok ? "consumer: ok" : "consumer: the library is not what the product expects")
            << '\n';
  return ok ? 0 : 1;
}
