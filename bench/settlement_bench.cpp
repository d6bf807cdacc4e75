// One customer with N open invoices: the whole path of a receipt over all of
// them — selecting every line, the automatic split, the save checks, the
// host's save and the check — timed step by step, with a prepared point query
// on the same database file as the yardstick.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/vb.h"
#include "plugin/registration.h"
#include "refhost/db/database.h"
#include "refhost/framework/window.h"
#include "refhost/framework/window_factory.h"
#include "refhost/host_run.h"
#include "refhost/services/component_registry.h"
#include "refhost/services/host_services.h"
#include "refhost/session.h"

namespace {

constexpr int32_t kCustomer = 1290;
constexpr int32_t kFirstId = 120000;

void RegisterOnce() {
  static bool done = [] {
    refhost::RegisterHostServices();
    qorarap::RegisterPluginClasses(
        [](const std::string& progId, std::function<qor::ObjectPtr()> factory) {
          refhost::ComponentRegistry::Global().Register(progId, std::move(factory));
        });
    return true;
  }();
  (void)done;
}

std::string DbPath(int n) {
  return (std::filesystem::temp_directory_path() /
          ("qor_bench_" + std::to_string(getpid()) + "_" + std::to_string(n) + ".db"))
      .string();
}

void RemoveDb(const std::string& path) {
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(path + suffix);
}

// The demo company plus one customer holding n open, audited invoices of one
// line each (amounts 100 to 106).
void GenerateCompany(const std::string& path, int n) {
  RemoveDb(path);
  refhost::Database::CreateFile(path, true);
  auto db = refhost::Database::Open(path);
  refhost::Transaction transaction(*db);
  db->ExecuteParams(
      "INSERT INTO t_Organization (FItemID, FNumber, FName, FCurrencyID) VALUES (?, ?, ?, 1)",
      {qor::Variant(kCustomer), qor::Variant("C-BENCH"), qor::Variant("基准客户")});
  for (int i = 0; i < n; ++i) {
    int32_t id = kFirstId + i;
    double amount = 100 + i % 7;
    db->ExecuteParams(
        "INSERT INTO ICSale (FInterID, FBillNo, FTranType, FDate, FCustID, FCurrencyID, "
        "FExchangeRate, FROB, FAmountFor, FAmount, FStatus, FBillerID, FCheckerID) "
        "VALUES (?, ?, 1000002, '2026-12-12', ?, 1, 1, 1, ?, ?, 1, 1, 1)",
        {qor::Variant(id), qor::Variant("BINV" + std::to_string(id)), qor::Variant(kCustomer),
         qor::Variant(amount), qor::Variant(amount)});
    db->ExecuteParams(
        "INSERT INTO ICSaleEntry (FDetailID, FInterID, FEntryID, FItemName, FQty, FPrice, "
        "FAmountFor, FAmount) VALUES (?, ?, 1, 'item', 1, ?, ?, ?)",
        {qor::Variant(id), qor::Variant(id), qor::Variant(amount), qor::Variant(amount),
         qor::Variant(amount)});
  }
  transaction.Commit();
}

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return 0;
}

double Seconds(const std::function<void()>& work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Selecting, splitting, the save checks alone, the save and the check of one
// receipt over all of the customer's n invoices.
void ReceiptOverOpenInvoices(benchmark::State& state) {
  RegisterOnce();
  const int n = static_cast<int>(state.range(0));
  const std::string path = DbPath(n);
  GenerateCompany(path, n);
  double total = 0;
  for (int i = 0; i < n; ++i) total += 100 + i % 7;
  for (auto _ : state) {
    refhost::HostRun run(path);
    run.SetToday(qor::DateSerial(2026, 12, 15));
    auto session = std::make_unique<refhost::Session>(run, "bench", 1000);
    auto act = [&](const std::function<void(refhost::Window&)>& action) {
      session->Invoke([&] { action(*session->Current()); });
    };
    session->Invoke([&] { session->Open(refhost::OpenWindow(*session, "receipt", 1, 0)); });
    act([&](refhost::Window& w) { w.SetField("FCustomerID", 0, std::to_string(kCustomer)); });
    std::vector<refhost::Pick> picks;
    for (int i = 0; i < n; ++i) picks.push_back({"BINV" + std::to_string(kFirstId + i), 0});
    long rssBefore = ResidentKb();
    double select = Seconds(
        [&] { act([&](refhost::Window& w) { w.Select("mnuSelectBill_2000001", picks); }); });
    long rssAfter = ResidentKb();
    double split = Seconds([&] {
      act([&](refhost::Window& w) {
        w.SetField("FAmountFor", 0, qor::FormatDouble(total));
        w.Click("mnuDataAutoPartAmt");
      });
    });
    // A gross amount one cent off: every row is checked, the total refuses.
    double checks = Seconds([&] {
      act([&](refhost::Window& w) {
        w.SetField("FAmountFor", 0, qor::FormatDouble(total + 0.01));
        w.Click("mnuFileSave");
      });
    });
    double save = Seconds([&] {
      act([&](refhost::Window& w) {
        w.SetField("FAmountFor", 0, qor::FormatDouble(total));
        w.Click("mnuFileSave");
      });
    });
    double check = Seconds([&] { act([&](refhost::Window& w) { w.Click("mnuEditCheck"); }); });
    int rows = 0;
    act([&](refhost::Window& w) { rows = w.RowCount(); });
    if (rows != n || run.Messages().size() != 2) {
      state.SkipWithError("the receipt did not go through as expected");
    }
    session.reset();
    state.SetIterationTime(select + split + checks + save + check);
    state.counters["select_ms"] = select * 1000;
    state.counters["split_ms"] = split * 1000;
    state.counters["savechecks_ms"] = checks * 1000;
    state.counters["save_ms"] = (save - checks) * 1000;  // the save's own checks taken out
    state.counters["check_ms"] = check * 1000;
    state.counters["path_us_per_row"] = (select + split + save + check) * 1e6 / n;
    state.counters["bytes_per_row"] = static_cast<double>(rssAfter - rssBefore) * 1024 / n;
  }
  RemoveDb(path);
}
BENCHMARK(ReceiptOverOpenInvoices)
    ->Arg(1000)
    ->Arg(10000)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The yardstick: one prepared point query on the same kind of file.
void PreparedPointQuery(benchmark::State& state) {
  const int n = 10000;
  const std::string path = DbPath(-n);
  GenerateCompany(path, n);
  {
    auto db = refhost::Database::Open(path);
    int i = 0;
    for (auto _ : state) {
      auto rs = db->QueryParams("SELECT FAmountFor FROM ICSaleEntry WHERE FDetailID = ?",
                                {qor::Variant(kFirstId + (i++ % n))});
      benchmark::DoNotOptimize(rs);
    }
  }
  RemoveDb(path);
}
BENCHMARK(PreparedPointQuery)->Unit(benchmark::kMicrosecond);

}  // namespace
