package org.bukkit.entity;

public interface Ocelot extends Animals, Tameable {
    Ocelot.Type getCatType();
    boolean isSitting();
    void setCatType(Ocelot.Type type);
    void setSitting(boolean value);

    /** The skin of an ocelot: wild, or one of the three tamed cats. */
    enum Type {
        WILD_OCELOT(0), BLACK_CAT(1), RED_CAT(2), SIAMESE_CAT(3);

        private final int id;

        Type(int id) {
            this.id = id;
        }

        /** The number the game keeps for this skin. */
        @Deprecated
        public int getId() {
            return id;
        }

        /** The skin with that number, or null. */
        @Deprecated
        public static Type getType(int id) {
            for (Type t : values()) {
                if (t.id == id) {
                    return t;
                }
            }
            return null;
        }
    }
}
