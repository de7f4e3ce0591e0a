package org.bukkit;

/** Finds or makes the portal a traveller between dimensions comes out of. */
public interface TravelAgent {
    TravelAgent setSearchRadius(int radius);

    int getSearchRadius();

    TravelAgent setCreationRadius(int radius);

    int getCreationRadius();

    boolean getCanCreatePortal();

    void setCanCreatePortal(boolean create);

    Location findOrCreate(Location location);

    Location findPortal(Location location);

    boolean createPortal(Location location);
}
