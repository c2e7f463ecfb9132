#include "engine.h"

#include <array>

#include "counter.h"

QuizEngine::QuizEngine(QuizState& state, QuizView& view, RandomSource& random)
    : state_(state), view_(view), random_(random) {}

int QuizEngine::drawKey(int span, int base) {
    random_.reseed();
    return wholeNumber(random_.next(), span, base);
}

// A draw r falls on the key whose share of the weights it reaches, in key order.
int QuizEngine::drawWeightedKey(keytable::KeyRange keys) {
    random_.reseed();
    double total = 0;
    for (int key = keys.first; key < keys.first + keys.count; ++key) {
        total += weights_->weight(key);
    }
    double reach = static_cast<double>(random_.next()) * total;
    for (int key = keys.first; key < keys.first + keys.count - 1; ++key) {
        reach -= weights_->weight(key);
        if (reach < 0) {
            return key;
        }
    }
    return keys.first + keys.count - 1;
}

bool QuizEngine::PickQuestion() {
    const int previous = state_.keyNum;
    const auto keys = keytable::keysOfKind(state_.keyKind);
    do {
        state_.keyNum = weights_ ? drawWeightedKey(keys) : drawKey(keys.count, keys.first);
    } while (state_.keyNum == previous);

    const std::string file = keytable::pictureFile(state_.keyNum, state_.clef);
    const bool shown = view_.loadKeyPicture(file);
    if (!shown) {
        view_.reportMissingFile(file);
    }
    // The question goes on with its own name even without its picture, so that the correct
    // answer is always the key's and never a name left over from an earlier question.
    state_.keyName = keytable::keyName(state_.keyNum, state_.mode);
    return shown;
}

void QuizEngine::PickDistractors() {
    state_.answer = state_.keyName;
    std::array<int, 3> chosen{};
    std::array<std::string*, 3> slots = {&state_.wrong1, &state_.wrong2, &state_.wrong3};
    for (size_t slot = 0; slot < slots.size(); ++slot) {
        int key = 0;
        do {
            key = drawKey(keytable::kKeyCount, 1);
        } while (key == state_.keyNum || key == chosen[0] || key == chosen[1] || key == chosen[2]);
        chosen[slot] = key;
        state_.keyName = keytable::keyName(key, state_.mode);
        *slots[slot] = state_.keyName;
    }
}

std::array<std::string, 5> QuizEngine::PlaceAnswers() {
    std::array<int, 4> pos{};
    auto allDistinct = [&pos] {
        return pos[1] != pos[0] && pos[2] != pos[0] && pos[3] != pos[0] && pos[2] != pos[1] &&
               pos[3] != pos[1] && pos[3] != pos[2];
    };
    do {
        for (int& p : pos) {
            p = wholeNumber(random_.next(), 4, 1);
        }
    } while (!allDistinct());

    state_.rightPos = pos[0];
    const std::array<const std::string*, 4> names = {&state_.answer, &state_.wrong1, &state_.wrong2,
                                                     &state_.wrong3};
    std::array<std::string, 5> placed{};
    for (size_t i = 0; i < names.size(); ++i) {
        view_.setChoiceText(pos[i], *names[i]);
        placed[static_cast<size_t>(pos[i])] = *names[i];
    }
    return placed;
}

void QuizEngine::countOne(Caption counter) {
    view_.setCaption(counter, counter::stepped(view_.caption(counter), 1));
}

bool QuizEngine::CheckAnswer() {
    if (view_.arrowShown(state_.rightPos)) {
        countOne(Caption::Right);
        for (int pos = 1; pos <= 4; ++pos) {
            view_.clearArrow(pos);
        }
        return true;
    }
    view_.setChoiceColour(state_.rightPos, kRed);
    countOne(Caption::Wrong);
    return false;
}

Question QuizEngine::prepareQuestion() {
    Question question;
    question.pictureShown = PickQuestion();
    PickDistractors();
    question.answers = PlaceAnswers();
    question.key = state_.keyNum;
    question.rightPos = state_.rightPos;
    return question;
}
