// The brain command: the line protocol through which gomoku tournament
// managers drive an engine on stdin and stdout.

#include "Commands.h"

#include "Levels.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <sstream>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Stops the board's search when the manager's turn time is about to run out,
// whatever the strength setting would like to spend.
class Deadline {
public:
    Deadline(Pole &pole, Clock::time_point when) : myPole(pole)
    {
        myThread = std::thread([this, when] {
            std::unique_lock lock(myMutex);
            if (!myCondition.wait_until(lock, when, [this] { return myDone; }))
                myPole.RequestStop();
        });
    }
    ~Deadline()
    {
        {
            std::lock_guard lock(myMutex);
            myDone = true;
        }
        myCondition.notify_one();
        myThread.join();
        myPole.ClearStop();
    }

private:
    Pole &myPole;
    std::mutex myMutex;
    std::condition_variable myCondition;
    bool myDone = false;
    std::thread myThread;
};

class Brain {
public:
    explicit Brain(int setting) : mySetting(setting) {}
    int Run();

private:
    void Think();
    void Board();
    void Takeback(const std::string &rest);
    void Info(const std::string &rest);
    bool ParseCell(const std::string &text, int &x, int &y, int *field = nullptr);
    void Answer(const std::string &line) { std::cout << line << std::endl; }

    int mySetting; // -1: timed search sized to the manager's clock
    Pole myPole;
    long long myTimeoutTurn = 5000; // milliseconds
    long long myTimeoutMatch = 0;
    long long myTimeLeft = -1;
};

std::string Trim(const std::string &s)
{
    std::size_t a = s.find_first_not_of(" \t\r\n");
    std::size_t b = s.find_last_not_of(" \t\r\n");
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

bool Brain::ParseCell(const std::string &text, int &x, int &y, int *field)
{
    std::vector<long long> v;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        long long n;
        if (!ParseInt(Trim(part), n))
            return false;
        v.push_back(n);
    }
    if (v.size() != (field ? 3u : 2u))
        return false;
    if (v[0] < 0 || v[0] >= BoardSize || v[1] < 0 || v[1] >= BoardSize)
        return false;
    x = static_cast<int>(v[0]);
    y = static_cast<int>(v[1]);
    if (field)
        *field = static_cast<int>(v[2]);
    return true;
}

void Brain::Think()
{
    if (myPole.DoneMoves().GetCurSize() >= CellCount) {
        Answer("ERROR the board is full");
        return;
    }
    // The turn budget: the manager's turn time, and never more than the
    // time left in the match; a margin covers start-up and output.
    long long budget = myTimeoutTurn > 0 ? myTimeoutTurn : 30000;
    if (myTimeoutMatch > 0 && myTimeLeft >= 0)
        budget = std::min(budget, myTimeLeft);
    const long long margin = std::max(60LL, budget / 20);
    const long long usable = std::max(0LL, budget - margin);
    const auto started = Clock::now();

    Move found;
    {
        Deadline stop(myPole, started + std::chrono::milliseconds(usable));
        if (mySetting >= 0) {
            found = FindMoveForSetting(myPole, KREST, mySetting);
        } else {
            // Spread a match clock over the game's remaining moves.
            long long share = usable;
            if (myTimeoutMatch > 0 && myTimeLeft >= 0)
                share = std::min(share, myTimeLeft / 12);
            found = myPole.FindMoveInTime(KREST, static_cast<std::int32_t>(share / 1000));
        }
    }
    const Move move = PlayableMove(myPole, found);
    myPole.MakeMove(Move{move.x, move.y, KREST, 0});
    Answer(std::to_string(move.x) + "," + std::to_string(move.y));
}

void Brain::Board()
{
    Pole board;
    std::string error;
    std::string line;
    while (std::getline(std::cin, line)) {
        line = Trim(line);
        std::string upper = line;
        std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
        if (upper == "DONE")
            break;
        int x, y, field;
        if (!ParseCell(line, x, y, &field) || (field != 1 && field != 2)) {
            error = "ERROR bad BOARD line '" + line + "'";
            continue;
        }
        try {
            if (error.empty())
                board.MakeMove(Move{x, y, field == 1 ? KREST : NOL, 0});
        } catch (const xError &e) {
            error = std::string("ERROR ") + e.GetText() + " at " + line;
        }
    }
    if (!error.empty()) {
        Answer(error);
        return;
    }
    myPole = board;
    Think();
}

void Brain::Takeback(const std::string &rest)
{
    int x, y;
    if (!ParseCell(rest, x, y) || myPole.Cell(x, y).iZnak == FREE) {
        Answer("ERROR TAKEBACK needs an occupied cell x,y");
        return;
    }
    // Take back to the stone, then replay what came after it.
    const BoundedList<Move> done = myPole.DoneMoves();
    BoundedList<Move> keep(done.GetCurSize());
    for (int i = 0; i < done.GetCurSize(); ++i)
        if (done[i].x != x || done[i].y != y)
            keep.Push(done[i]);
    myPole.SetPosition(keep);
    Answer("OK");
}

void Brain::Info(const std::string &rest)
{
    std::stringstream in(rest);
    std::string key;
    std::string value;
    in >> key >> value;
    long long n;
    if (!ParseInt(value, n))
        return; // other keys carry text the engine has no use for
    if (key == "timeout_turn")
        myTimeoutTurn = n;
    else if (key == "timeout_match")
        myTimeoutMatch = n;
    else if (key == "time_left")
        myTimeLeft = n;
    else if (key == "rule" && (n & 1))
        Answer("MESSAGE Divuz counts six or more in a row as a win");
}

int Brain::Run()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        line = Trim(line);
        if (line.empty())
            continue;
        std::size_t space = line.find(' ');
        std::string command = line.substr(0, space);
        std::string rest = space == std::string::npos ? "" : Trim(line.substr(space + 1));
        std::transform(command.begin(), command.end(), command.begin(), ::toupper);
        try {
            if (command == "END") {
                return 0;
            } else if (command == "START") {
                long long size;
                if (!ParseInt(rest, size)) {
                    Answer("ERROR START needs the board size");
                } else if (size != BoardSize) {
                    Answer("ERROR only the 19x19 board is supported");
                } else {
                    myPole.Clear();
                    Answer("OK");
                }
            } else if (command == "RESTART") {
                myPole.Clear();
                Answer("OK");
            } else if (command == "BEGIN") {
                if (myPole.DoneMoves().GetCurSize() != 0)
                    Answer("ERROR BEGIN on a board that is not empty");
                else
                    Think();
            } else if (command == "TURN") {
                int x, y;
                if (!ParseCell(rest, x, y)) {
                    Answer("ERROR TURN needs x,y on the board");
                } else if (myPole.Cell(x, y).iZnak != FREE) {
                    Answer("ERROR the cell " + rest + " is occupied");
                } else {
                    myPole.MakeMove(Move{x, y, NOL, 0});
                    Think();
                }
            } else if (command == "BOARD") {
                Board();
            } else if (command == "TAKEBACK") {
                Takeback(rest);
            } else if (command == "INFO") {
                Info(rest);
            } else if (command == "ABOUT") {
                Answer("name=\"Divuz\", version=\"1.0\", author=\"Divuz developers\", "
                       "country=\"Czech Republic\"");
            } else {
                Answer("UNKNOWN " + command);
            }
        } catch (const xError &e) {
            Answer(std::string("ERROR ") + e.GetText());
        }
    }
    return 0;
}

} // namespace

int RunBrain(const Args &args)
{
    long long setting = -1;
    if (!args.empty()) {
        if (args.size() != 2 || args[0] != "--setting" || !ParseInt(args[1], setting) ||
            setting < 0 || setting >= SettingCount) {
            std::fputs("divuz-engine brain: usage: brain [--setting 0..10]\n", stderr);
            return 2;
        }
    }
    std::ios::sync_with_stdio(false);
    return Brain(static_cast<int>(setting)).Run();
}
