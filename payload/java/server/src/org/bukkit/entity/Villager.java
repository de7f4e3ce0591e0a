package org.bukkit.entity;

public interface Villager extends Ageable, NPC {
    Villager.Profession getProfession();
    void setProfession(Villager.Profession profession);

    /** A villager's trade, numbered as the game numbers it. */
    enum Profession {
        FARMER(0), LIBRARIAN(1), PRIEST(2), BLACKSMITH(3), BUTCHER(4);

        private final int id;

        Profession(int id) {
            this.id = id;
        }

        @Deprecated
        public int getId() {
            return id;
        }

        /** The profession with that number, or null. */
        @Deprecated
        public static Profession getProfession(int id) {
            for (Profession p : values()) {
                if (p.id == id) {
                    return p;
                }
            }
            return null;
        }
    }
}
