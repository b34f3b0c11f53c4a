#include "wikitext/categories.h"

namespace categories {

const QStringList &names()
{
    // "Food" stands twice on purpose: once with the other consumables, once with cooking.
    static const QStringList list = {
        QStringLiteral("Game Concept"), QStringLiteral("Attribute"), QStringLiteral("Character Template"),
        QStringLiteral("Skill"), QStringLiteral("Special Property"), QStringLiteral("Quest"),
        QStringLiteral("Patch"), QStringLiteral("Patch Announcements"), QStringLiteral("Live Event"),
        QStringLiteral("Trivia"), QStringLiteral("Fan Fiction"), QStringLiteral("Reference"),
        QStringLiteral("Video"), QStringLiteral("Column"), QStringLiteral("Corvane"),
        QStringLiteral("Developer Chat"), QStringLiteral("Server"), QStringLiteral("Top 10 List"),
        QStringLiteral("Printed Material"), QStringLiteral("Page Template"), QStringLiteral("Wiki Template"),
        QStringLiteral("Help"), QStringLiteral("FAQ"), QStringLiteral("Stub"),
        QStringLiteral("In Progress"), QStringLiteral("Disambiguation"), QStringLiteral("Clothing"),
        QStringLiteral("Foot Armor"), QStringLiteral("Hand Armor"), QStringLiteral("Head Armor"),
        QStringLiteral("Lower Body Armor"), QStringLiteral("Masks & Guises"), QStringLiteral("Robe"),
        QStringLiteral("Shield"), QStringLiteral("Upper Body Armor"), QStringLiteral("Loot Armor Type"),
        QStringLiteral("Armor"), QStringLiteral("Food"), QStringLiteral("Gem"),
        QStringLiteral("Healing Kit"), QStringLiteral("Key"), QStringLiteral("Keyring"),
        QStringLiteral("Lockpick"), QStringLiteral("Mana Stone"), QStringLiteral("Portal Gem"),
        QStringLiteral("Potion"), QStringLiteral("Scroll"), QStringLiteral("Spell Component"),
        QStringLiteral("Pea"), QStringLiteral("Consumable Item"), QStringLiteral("Crafting"),
        QStringLiteral("Alchemy"), QStringLiteral("Alchemy Recipe"), QStringLiteral("Cooking"),
        QStringLiteral("Dye Related"), QStringLiteral("Cooking Recipe"), QStringLiteral("Food"),
        QStringLiteral("Fletching"), QStringLiteral("Armor Tinkering"), QStringLiteral("Item Tinkering"),
        QStringLiteral("Magic Item Tinkering"), QStringLiteral("Salvage"), QStringLiteral("Weapon Tinkering"),
        QStringLiteral("Augmentation"), QStringLiteral("Container"), QStringLiteral("Chest"),
        QStringLiteral("Pack"), QStringLiteral("Currency"), QStringLiteral("Housing Item"),
        QStringLiteral("Item Set"), QStringLiteral("Portal Device"), QStringLiteral("Magic Item"),
        QStringLiteral("Object"), QStringLiteral("Pack Doll"), QStringLiteral("Pet"),
        QStringLiteral("Rare"), QStringLiteral("Trophy"),
        QStringLiteral("Unwieldable & Creature or NPC only Equipment"), QStringLiteral("Item"),
        QStringLiteral("Jewelry"), QStringLiteral("Bracelet"), QStringLiteral("Necklace"),
        QStringLiteral("Ring"), QStringLiteral("Location"), QStringLiteral("Dungeon"),
        QStringLiteral("Landblock"), QStringLiteral("Map"), QStringLiteral("Geographic Area"),
        QStringLiteral("Point of Interest"), QStringLiteral("Portal"), QStringLiteral("Settlement"),
        QStringLiteral("Apartment"), QStringLiteral("Cottage"), QStringLiteral("Mansion"),
        QStringLiteral("Villa"), QStringLiteral("Spawn Map"), QStringLiteral("Town"),
        QStringLiteral("Lore"), QStringLiteral("Internet Lore Article"), QStringLiteral("Text"),
        QStringLiteral("Empyrean Ruin Type"), QStringLiteral("Lore Database Entry"), QStringLiteral("Faction"),
        QStringLiteral("Relic"), QStringLiteral("Ispar Relic"), QStringLiteral("Auberean Relic"),
        QStringLiteral("Historical Event"), QStringLiteral("Ispar Event"), QStringLiteral("Auberean Event"),
        QStringLiteral("Historical Site"), QStringLiteral("Ispar Location"), QStringLiteral("Auberean Location"),
        QStringLiteral("Creature Character"), QStringLiteral("Deity Character"), QStringLiteral("NPC"),
        QStringLiteral("Crafter"), QStringLiteral("Librarian"), QStringLiteral("Quest NPC"),
        QStringLiteral("Shopkeeper"), QStringLiteral("Translator"), QStringLiteral("Spell"),
        QStringLiteral("Monster Only Spell"), QStringLiteral("Unlearnable Castable Spell"),
        QStringLiteral("Quest Spell"), QStringLiteral("Cantrip"), QStringLiteral("Weapon"),
        QStringLiteral("Creature Type"), QStringLiteral("Creature"),
    };
    return list;
}

int nextPosition(int position, bool rightButton)
{
    // A position outside the list (only a fresh start gives 0) also restarts at the first.
    int next = position + 1;
    if (next > names().size() || next < 1)
        next = 1;
    if (rightButton)
        next = 1;
    return next;
}

} // namespace categories
