# A warrior of a clan caste, trained by the caste from the start.
Profile,Clan Warrior
Race,Clan Drakkenfold,6
Race,Clan Pilot,3
Race,Clan Elemental,3
Priority,Attributes,3
Priority,Skills,4
Priority,Advantages,2
Priority,BattleMech,3
Attribute,BLD,3
Attribute,REF,4
Attribute,INT,2
Attribute,LRN,2
Attribute,CHA,1
Training,None,1
Training,Clan,9
Skill,Gunnery,6
Skill,Piloting,6
Skill,Tactics,4
Skill,Protocol/Clan Conclave,3
Skill,History/Clan Remembrance,3
Skill,Unarmed Combat,3
Skill,*,1
Advantage,Bloodname,6
Advantage,EI Neural Implant,3
Advantage,Combat Sense,3
Advantage,Wealth,0
Advantage,*,1
Gear,Armour,5
Gear,Blades,4
Gear,Pistols,4
Gear,*,1
Rank,Warrior,6
Rank,Point Commander,3
Rank,Star Commander,2
Rank,Star Captain,1
Transfer,30
