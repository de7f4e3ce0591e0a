package net.cubeworks.world.game.api;

/**
 * The world's spawn flags, limits and intervals as plugins set them, kept as a server keeps them
 * (starting at bukkit.yml's defaults) for the plugins that read them back. The game's natural
 * spawning goes by its own caps, the settings' spawn-animals and spawn-monsters and the
 * doMobSpawning rule: nothing here changes what spawns.
 */
public final class ApiSpawnLimits {
    private volatile boolean allowMonsters = true;
    private volatile boolean allowAnimals = true;
    private volatile int ticksPerAnimalSpawns = 400;
    private volatile int ticksPerMonsterSpawns = 1;
    private volatile int monsterLimit = 70;
    private volatile int animalLimit = 15;
    private volatile int waterAnimalLimit = 5;
    private volatile int ambientLimit = 15;

    public void setFlags(boolean monsters, boolean animals) {
        allowMonsters = monsters;
        allowAnimals = animals;
    }

    public boolean monstersAllowed() {
        return allowMonsters;
    }

    public boolean animalsAllowed() {
        return allowAnimals;
    }

    public long ticksPerAnimalSpawns() {
        return ticksPerAnimalSpawns;
    }

    public void setTicksPerAnimalSpawns(int ticks) {
        ticksPerAnimalSpawns = ticks;
    }

    public long ticksPerMonsterSpawns() {
        return ticksPerMonsterSpawns;
    }

    public void setTicksPerMonsterSpawns(int ticks) {
        ticksPerMonsterSpawns = ticks;
    }

    public int monsterLimit() {
        return monsterLimit;
    }

    public void setMonsterLimit(int limit) {
        monsterLimit = limit;
    }

    public int animalLimit() {
        return animalLimit;
    }

    public void setAnimalLimit(int limit) {
        animalLimit = limit;
    }

    public int waterAnimalLimit() {
        return waterAnimalLimit;
    }

    public void setWaterAnimalLimit(int limit) {
        waterAnimalLimit = limit;
    }

    public int ambientLimit() {
        return ambientLimit;
    }

    public void setAmbientLimit(int limit) {
        ambientLimit = limit;
    }
}
