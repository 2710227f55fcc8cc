#include "questions/QuestionSet.h"

namespace questions {
namespace {

struct Sample {
    const char* question;
    const char* answer;
    const char* sound;    // bare file name, or empty
    const char* picture;  // bare file name, or empty
};

// The texts exactly as the set has always carried them, question 14's missing number
// included.
const Sample kSamples[QuestionSet::kSampleQuestions] = {
    {"1. Name the artist of this famous picture titled 'The anatomy lesson of Dr. Nicolas "
     "Tulp'.",
     "Rembrant", "", "Rembrant.jpg"},
    {"2. Who is the author of The Jungle Book ?", "Rudyard Kipling", "", ""},
    {"3. Name the first permanent English settlement in America.", "Jamestown", "", ""},
    {"4. Name this organic compound", "benzene", "", "benzene.jpg"},
    {"5. What is the least common denominator for the fractions one-half and one-third ?", "six",
     "", ""},
    {"6. Give the first and last name of the inventor heard in this very early recording",
     "Thomas Edison", "edison.wav", ""},
    {"7. Name the movie from which this sound clip was taken.", "2001 Space Oddesy",
     "sorry_dave.wav", ""},
    {"8. What is the capital of Virginia ?", "Richmond", "", ""},
    {"9. Give the title which includes the name of the creator from which this sound clip is "
     "taken.",
     "Monty Python and the Holy Grail", "flesh_wound.wav", ""},
    {"10. What part of speech is a word like : in,on,by,or from,which shows h word is related "
     "to other words in a sentence?",
     "Preposition", "", ""},
    {"11. If the diameter of a circle is fourteen inches in length, what is the radius?",
     "seven inches", "", ""},
    {"12. Name the actor and the movie for this sound clip.", "Bogart, Casablanca",
     "Bogart_Casablanca.wav", ""},
    {"13. Name the artist of this abstract work?", "Pablo Picasso", "", "Picaso.JPG"},
    {"Give the common name for this common North American bird.", "Chickadee", "", "chikadee.jpg"},
    {"15. Who was defeated at the Battle of Waterloo?", "Napoleon", "", ""},
    {"16. If a rectangle has a width of three centimeters and a length of four "
     "centimeters,what is its perimeter ?",
     "fourteen centimeters", "", ""},
    {"17. Listen to the following sentence and identify the predicate: The children are "
     "intelligent.",
     "are intelligent", "", ""},
    {"18. Give full name(first, middle, and last name of the composer of this famous concerto",
     "Johann Sebastian Bach", "bach.wav", ""},
    {"19. Name both the title and the artist of this famous painting", "Mona Lisa, da-Vinchi", "",
     "da-Vinchii.jpg"},
    {"20. Who was the first woman appointed to the Supreme Court ?", "Sandra Day O'Conner", "", ""},
};

const char* const kSilence = "silence.wav";

QString inFolder(const QString& folder, const char* name) {
    return *name == '\0' ? QString() : folder + QLatin1Char('/') + QLatin1String(name);
}

}  // namespace

QuestionSet QuestionSet::sample(const QString& mediaFolder) {
    QuestionSet set;
    set.soundFile[0] = inFolder(mediaFolder, kSilence);
    for (int n = 1; n <= kSampleQuestions; ++n) {
        const Sample& s = kSamples[n - 1];
        set.question[n] = QString::fromUtf8(s.question);
        set.answer[n] = QString::fromUtf8(s.answer);
        set.soundFile[n] = inFolder(mediaFolder, s.sound);
        set.pictureFile[n] = inFolder(mediaFolder, s.picture);
    }
    return set;
}

QStringList QuestionSet::mediaFileNames() {
    QStringList names{QLatin1String(kSilence)};
    for (const Sample& s : kSamples) {
        for (const char* name : {s.sound, s.picture}) {
            if (*name != '\0') {
                names << QLatin1String(name);
            }
        }
    }
    return names;
}

}  // namespace questions
